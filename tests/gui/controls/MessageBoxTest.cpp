// The message box: its measures, its children per type and the hook that
// replaces the modal box in tests; the question whether changed data are to
// be saved, with its three buttons in every language and its answers.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

#include "core/text/Catalogue.h"
#include "gui/controls/FormBase.h"
#include "gui/controls/MessageBox.h"

namespace {

QLabel* Label(const TMessageForm& form, const char* name)
{
    return form.findChild<QLabel*>(QLatin1String(name));
}
QPushButton* Button(const TMessageForm& form)
{
    return form.findChild<QPushButton*>(QStringLiteral("Button_OK"));
}

// The buttons from left to right.
QList<QPushButton*> Buttons(const QWidget& form)
{
    QList<QPushButton*> buttons = form.findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return buttons;
}

// Runs the real save question and lets `act` answer it as soon as it shows.
TSaveAnswer AnswerQuestion(const std::function<void(TMessageForm&)>& act)
{
    QTimer::singleShot(0, [act] {
        if (auto* form = qobject_cast<TMessageForm*>(QApplication::activeModalWidget()))
            act(*form);
    });
    return AskSaveChanges(QStringLiteral("The data have been changed."), QStringLiteral("Data"));
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        SetMessageBoxHook({});
        SetCurrentLanguage(2);
    }

    void oneShortLineWithTheErrorIcon()
    {
        const auto form = BuildMessageForm(QStringLiteral("Disk full."), TMessageType::Error, QStringLiteral("Error"));
        const TMessageGeometry& g = form->Geometry();
        // Dialog units are rounded to the nearest pixel.
        QCOMPARE(g.horzMargin, (8 * g.charWidth * 2 + 4) / 8);
        QCOMPARE(g.buttonHeight, (14 * g.charHeight * 2 + 8) / 16);
        // One line of text is lower than the icon: the text area is the icon's 32.
        QVERIFY(g.textRect.height() < 32);
        QCOMPARE(Label(*form, "Image")->geometry(), QRect(g.horzMargin, g.vertMargin, 32, 32));
        QCOMPARE(Label(*form, "Message")->text(), QStringLiteral("Disk full."));
        QCOMPARE(Label(*form, "Message")->geometry(),
                 QRect(g.horzMargin + 32 + g.horzSpacing, g.vertMargin, g.textRect.width(), g.textRect.height()));
        QPushButton* button = Button(*form);
        QVERIFY(button->isDefault());
        QCOMPARE(button->geometry(), QRect((form->width() - g.buttonWidth) / 2, 32 + g.vertMargin + g.vertSpacing,
                                           g.buttonWidth, g.buttonHeight));
        // As wide as icon, text and margins, or wider where the caption needs it.
        QCOMPARE(form->height(), 32 + g.buttonHeight + g.vertSpacing + 2 * g.vertMargin);
        QVERIFY(form->width() >= std::max(g.iconTextWidth, g.buttonWidth) + 2 * g.horzMargin);
        QCOMPARE(form->windowTitle(), QStringLiteral("Error"));

        // A tiny text: at least as wide as the button and its margins.
        const auto tiny = BuildMessageForm(QStringLiteral("."), TMessageType::Plain, QStringLiteral("T"));
        QVERIFY(tiny->width() >= tiny->Geometry().buttonWidth + 2 * tiny->Geometry().horzMargin);
    }

    void longMessageWrapsAtHalfTheScreen()
    {
        const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
        const auto form = BuildMessageForm(
            QStringLiteral("The ratio of the air quantities is not in the recommended range. ").repeated(60),
            TMessageType::Warning, QStringLiteral("Warning"));
        const TMessageGeometry& g = form->Geometry();
        QCOMPARE(g.wrapWidth, half);
        QLabel* message = Label(*form, "Message");
        QVERIFY(message->width() <= half && message->width() > half - 20 * g.charWidth);
        QVERIFY(message->height() >= 10 * g.charHeight);
        QCOMPARE(Button(*form)->geometry().top(), message->geometry().bottom() + 1 + g.vertSpacing);

        // A word longer than the line is broken too.
        const auto path = BuildMessageForm(QString(300, QLatin1Char('x')), TMessageType::Error, QStringLiteral("E"));
        QVERIFY(Label(*path, "Message")->width() <= half);
    }

    // Types 0 … 3 have an icon each; the others, also unknown ones, none, and
    // their text moves into the icon's place.
    void typesAndIcons()
    {
        QList<QImage> icons;
        for (int type = -1; type <= 5; ++type) {
            const auto form = BuildMessageForm(QStringLiteral("Text"), static_cast<TMessageType>(type),
                                               QStringLiteral("Title"));
            QVERIFY(Label(*form, "Message") && Button(*form));
            QLabel* image = Label(*form, "Image");
            QCOMPARE(image != nullptr, type >= 0 && type <= 3);
            if (image)
                icons << image->pixmap().toImage();
            else
                QCOMPARE(Label(*form, "Message")->geometry().topLeft(),
                         QPoint(form->Geometry().horzMargin, form->Geometry().vertMargin));
        }
        QVERIFY(icons[0] != icons[1] && icons[1] != icons[2] && icons[2] != icons[3]);
        // Escape answers OK as well.
        const auto form = BuildMessageForm(QStringLiteral("Text"), TMessageType::Warning, QStringLiteral("T"));
        form->setResult(-7);
        form->reject();
        QCOMPARE(form->result(), MessageResultOK);
    }

    void hookRecordsAndAnswers()
    {
        QStringList recorded;
        SetMessageBoxHook([&recorded](const QString& message, TMessageType type, const QString& title) {
            recorded << title + '|' + QString::number(static_cast<int>(type)) + '|' + message;
            return 42;
        });
        QCOMPARE(ShowMessageBox(QStringLiteral("Range 0.5 .. 2.0"), TMessageType::Warning, QStringLiteral("Check")),
                 42);
        ShowError(QStringLiteral("Climate data"), QStringLiteral("File not found"));  // title first, error icon
        QCOMPARE(recorded, (QStringList{"Check|0|Range 0.5 .. 2.0", "Climate data|1|File not found"}));
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TMessageForm*>(widget) || !widget->isVisible());

        // Without the hook the real box runs modally until OK is pressed.
        SetMessageBoxHook({});
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            if (auto* form = qobject_cast<TMessageForm*>(QApplication::activeModalWidget())) {
                shown = true;
                Button(*form)->click();
            }
        });
        QCOMPARE(ShowMessageBox(QStringLiteral("Real box"), TMessageType::Information, QStringLiteral("Info")),
                 MessageResultOK);
        QVERIFY(shown);
        QCOMPARE(recorded.size(), 2);

        // The save question passes its own answers; any other, such as the
        // OK box's, saves nothing and loses nothing.
        for (const int answer : {int(SaveAnswerSave), int(SaveAnswerDiscard), MessageResultOK, 42}) {
            SetMessageBoxHook([answer](const QString&, TMessageType, const QString&) { return answer; });
            const int expected = answer == SaveAnswerSave || answer == SaveAnswerDiscard ? answer : SaveAnswerCancel;
            QCOMPARE(int(AskSaveChanges(QStringLiteral("Changed."), QStringLiteral("Data"))), expected);
        }
    }

    // Save, Don't save, Cancel from the catalogue, side by side under the
    // message, none cut off, inside the box, Save the default.
    void questionButtonsInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        for (const int language : OfferedLanguages)
            QTest::newRow(QByteArray::number(language).constData()) << language;
    }
    void questionButtonsInEveryLanguage()
    {
        QFETCH(int, language);
        SetCurrentLanguage(language);
        ChooseFonts();
        const auto form = BuildMessageForm(QStringLiteral("?"), TMessageType::Question, QStringLiteral("T"));
        const int messageBottom = Label(*form, "Message")->geometry().bottom();
        form->SetButtons({{QString::fromStdString(CatalogueText(TextId::Save)), SaveAnswerSave},
                          {QString::fromStdString(CatalogueText(TextId::DontSave)), SaveAnswerDiscard},
                          {QString::fromStdString(CatalogueText(TextId::Cancel)), SaveAnswerCancel}},
                         SaveAnswerCancel);
        const QList<QPushButton*> buttons = Buttons(*form);
        QCOMPARE(buttons.size(), 3);
        QVERIFY(!Button(*form));
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
        QCOMPARE(buttons[0]->text(), QString::fromStdString(CatalogueText(TextId::Save)));
        QVERIFY(buttons[0]->isDefault() && !buttons[1]->isDefault() && !buttons[2]->isDefault());
        QCOMPARE(form->width(), form->Geometry().clientSize.width());
    }

    // The real question: each button, and Escape or the close box cancel.
    void questionAnswers()
    {
        QCOMPARE(AnswerQuestion([](TMessageForm& f) { Buttons(f)[0]->click(); }), SaveAnswerSave);
        QCOMPARE(AnswerQuestion([](TMessageForm& f) { Buttons(f)[1]->click(); }), SaveAnswerDiscard);
        QCOMPARE(AnswerQuestion([](TMessageForm& f) { Buttons(f)[2]->click(); }), SaveAnswerCancel);
        QCOMPARE(AnswerQuestion([](TMessageForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }), SaveAnswerCancel);
        QCOMPARE(AnswerQuestion([](TMessageForm& f) { f.close(); }), SaveAnswerCancel);
        QCOMPARE(AnswerQuestion([](TMessageForm& f) { QTest::keyClick(&f, Qt::Key_Return); }), SaveAnswerSave);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
