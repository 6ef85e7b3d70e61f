// The question whether changed data are to be saved: the message box with
// three buttons in every language, its answers, Escape, and the hook.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "ui/Catalogue.h"
#include "ui/UVxForms.h"
#include "ui/UVxMessage.h"

namespace {

QList<QPushButton*> Buttons(const QWidget& form)
{
    QList<QPushButton*> buttons = form.findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return buttons;
}

// Runs the real box and lets `act` answer it as soon as it shows.
TSaveAnswer AnswerBox(const std::function<void(TMessageForm&)>& act)
{
    QTimer::singleShot(0, [act] {
        if (auto* form = qobject_cast<TMessageForm*>(QApplication::activeModalWidget()))
            act(*form);
    });
    return AskSaveChanges(QStringLiteral("The data have been changed."), QStringLiteral("Data"));
}

}  // namespace

class QuestionBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        SetMessageBoxHook({});
        SetCurrentLanguage(2);
    }

    // Save, Don't save, Cancel from the catalogue, side by side under the
    // message, none cut off, inside the box, Save the default.
    void threeButtonsInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        for (const int language : OfferedLanguages)
            QTest::newRow(QByteArray::number(language).constData()) << language;
    }
    void threeButtonsInEveryLanguage()
    {
        QFETCH(int, language);
        SetCurrentLanguage(language);
        ChooseFonts();
        const auto form = BuildMessageForm(QStringLiteral("?"), MessageQuestion, QStringLiteral("T"));
        const int messageBottom = form->findChild<QLabel*>(QStringLiteral("Message"))->geometry().bottom();
        form->SetButtons({{QString::fromStdString(CatalogueText(149)), SaveAnswerSave},
                          {QString::fromStdString(CatalogueText(570)), SaveAnswerDiscard},
                          {QString::fromStdString(CatalogueText(161)), SaveAnswerCancel}},
                         SaveAnswerCancel);
        const QList<QPushButton*> buttons = Buttons(*form);
        QCOMPARE(buttons.size(), 3);
        QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("Button_OK")));
        for (int i = 0; i < 3; ++i) {
            QPushButton* b = buttons[i];
            QVERIFY(!b->text().isEmpty());
            QVERIFY2(b->width() >= b->fontMetrics().horizontalAdvance(b->text()), qPrintable(b->text()));
            QVERIFY(b->geometry().left() >= form->Geometry().horzMargin);
            QVERIFY(b->geometry().right() < form->width() - form->Geometry().horzMargin + 1);
            QVERIFY(b->geometry().top() > messageBottom);
            if (i > 0)
                QVERIFY(buttons[i - 1]->geometry().right() < b->geometry().left());
        }
        QCOMPARE(buttons[0]->text(), QString::fromStdString(CatalogueText(149)));
        QVERIFY(buttons[0]->isDefault() && !buttons[1]->isDefault() && !buttons[2]->isDefault());
        QCOMPARE(form->width(), form->Geometry().clientSize.width());
    }

    void realBoxAnswers()
    {
        QCOMPARE(AnswerBox([](TMessageForm& f) { Buttons(f)[0]->click(); }), SaveAnswerSave);
        QCOMPARE(AnswerBox([](TMessageForm& f) { Buttons(f)[1]->click(); }), SaveAnswerDiscard);
        QCOMPARE(AnswerBox([](TMessageForm& f) { Buttons(f)[2]->click(); }), SaveAnswerCancel);
        QCOMPARE(AnswerBox([](TMessageForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }), SaveAnswerCancel);
        QCOMPARE(AnswerBox([](TMessageForm& f) { f.close(); }), SaveAnswerCancel);
        QCOMPARE(AnswerBox([](TMessageForm& f) { QTest::keyClick(&f, Qt::Key_Return); }), SaveAnswerSave);
    }

    void hookAnswers()
    {
        QStringList asked;
        int answer = 0;
        SetMessageBoxHook([&](const QString& message, int type, const QString& title) {
            asked << title + '|' + QString::number(type) + '|' + message;
            return answer;
        });
        const auto ask = [] { return AskSaveChanges(QStringLiteral("Changed."), QStringLiteral("Data")); };
        answer = SaveAnswerDiscard;
        QCOMPARE(ask(), SaveAnswerDiscard);
        answer = SaveAnswerSave;
        QCOMPARE(ask(), SaveAnswerSave);
        // An answer meant for the OK box saves nothing and loses nothing.
        answer = MessageResultOK;
        QCOMPARE(ask(), SaveAnswerCancel);
        QCOMPARE(asked.first(), QStringLiteral("Data|3|Changed."));
    }
};

QTEST_MAIN(QuestionBoxTest)
#include "QuestionBoxTest.moc"
