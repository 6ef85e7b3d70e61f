// Messages of the main window in the user's language: the refusal of the
// economy naming the field by its label, the explanation of the rotor
// profile codes with its values in one column and the focus back on the
// profile list, and Qt's own dialogs following the language menu.

#include <QFileDialog>
#include <QFontMetrics>
#include <QToolButton>

#include "core/economy/Economy.h"
#include "gui/controls/QtTranslations.h"
#include "tests/gui/mainwindow/MainWindowSupport.h"

namespace {

// The x of the first value character of each line that has a code and a
// value ("A:" … "16:"), measured as the message box lays its text out: the
// width of everything before the value, with tabs expanded, followed by one
// fixed letter.
QList<int> ValueColumns(const QString& message, const QFont& font)
{
    const QFontMetrics metrics(font);
    QList<int> columns;
    for (const QString& line : message.split(QLatin1Char('\n'))) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0 || colon + 1 >= line.size() || !line.contains(QStringLiteral(" mm")))
            continue;
        int value = colon + 1;
        while (value < line.size() && line[value].isSpace())
            ++value;
        const QString before = line.left(value) + QLatin1Char('M');
        columns << metrics
                       .boundingRect(QRect(0, 0, 2000, 100), Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, before)
                       .width();
    }
    return columns;
}

}  // namespace

class MainWindowMessagesTest : public QObject {
    Q_OBJECT
    MessageLog messages_;

private slots:
    void init() { messages_.clear(); }
    void cleanup()
    {
        SetCurrentLanguage(2);
        InstallQtTranslations(2);
    }

    // In the language chosen in the menu: Qt's file dialog, coming from
    // another language so that its translation must give way; every line of
    // the rotor profile explanation starts at the left edge, the values of
    // the codes start in one column in the font of the box, and the focus
    // goes to the profile list afterwards; a service life of 0 years (no
    // annuity) is refused naming the field as its label reads.
    void messagesInTheWindowLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("lookIn");
        QTest::newRow("German") << 1 << QStringLiteral("Abbrechen") << QStringLiteral("Suchen in:");
        QTest::newRow("French") << 3 << QStringLiteral("Annuler") << QStringLiteral("Voir dans :");
        QTest::newRow("Polish") << 7 << QStringLiteral("Anuluj") << QStringLiteral("Szukaj w:");
        QTest::newRow("Chinese") << 8 << QStringLiteral("取消") << QStringLiteral("查找范围：");
        QTest::newRow("Russian") << 9 << QStringLiteral("Отмена") << QStringLiteral("Перейти к:");
        QTest::newRow("English") << 2 << QStringLiteral("Cancel") << QStringLiteral("Look in:");
    }
    void messagesInTheWindowLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, cancel);
        QFETCH(QString, lookIn);
        TFormWRG window;
        window.LanguageClick(language == 9 ? 1 : 9);
        window.LanguageClick(language);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        {
            QFileDialog dialog(&window);
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            QCOMPARE(C<QLabel>(dialog, "lookInLabel")->text(), lookIn);
        }
        QVERIFY(ShowActive(window));
        auto* diameter = C<QLineEdit>(window, "Edit_Rad");
        ShowPageOf(window, diameter);
        diameter->setFocus();
        QVERIFY(diameter->hasFocus());
        QTest::mouseClick(C<QToolButton>(window, "Button_Help_Rotorprofil"), Qt::LeftButton);
        QCOMPARE(messages_.size(), 1);
        const QString message = messages_.takeFirst();
        QVERIFY2(!message.contains(QLatin1Char('\r')), qPrintable(message));
        for (const QString& line : message.split(QLatin1Char('\n')))
            QVERIFY2(line.isEmpty() || !line[0].isSpace(), qPrintable(line));
        const auto box = BuildMessageForm(message, TMessageType::Information, QString());
        const QList<int> columns = ValueColumns(message, box->findChild<QLabel*>(QStringLiteral("Message"))->font());
        QCOMPARE(columns.size(), 8);
        for (const int column : columns)
            QCOMPARE(column, columns[0]);
        QVERIFY(C<QComboBox>(window, "Combo_Speichermasse")->hasFocus());

        C(window, "Edit_Nutzung")->SetValue(0);
        window.Button1->click();
        QCOMPARE(messages_.size(), 1);
        const QString label = Text(window, "Label38");
        QVERIFY(!label.isEmpty());
        QVERIFY2(messages_[0].contains(label), qPrintable(messages_[0]));
        QVERIFY2(!messages_[0].contains(QStringLiteral("Lifetime")), qPrintable(messages_[0]));
        QVERIFY2(messages_[0].startsWith(Q(CatalogueText(TextId::YearsAboveZero)).section(QLatin1Char('%'), 0, 0)),
                 qPrintable(messages_[0]));
        QVERIFY(Text(window, "Label102").isEmpty());
    }
};

QTEST_MAIN(MainWindowMessagesTest)
#include "MainWindowMessagesTest.moc"
