// The datasheet and climate data commands of the main window: each opens its
// modal window over the visible main window, the sheets show the last
// calculation, and a climate file saved in the editor becomes a zone that
// can be calculated with. A file the program is started with opens in the
// climate data window, or is refused with a message.

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "core/forms/StartFile.h"
#include "gui/climateeditor/ClimateEditorWindow.h"
#include "gui/mainwindow/StartFileRoute.h"
#include "gui/preview/PreviewWindow.h"
#include "tests/gui/mainwindow/MainWindowSupport.h"

namespace {

// Runs `inspect` on the modal window once it shows, then closes it.
void WhenModal(std::function<void(QWidget*)> inspect)
{
    QTimer::singleShot(0, [inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return WhenModal(inspect);
        inspect(modal);
        modal->close();
    });
}

}  // namespace

class MainWindowDatasheetsTest : public QObject {
    Q_OBJECT
    MessageLog messages_;

private slots:
    void init() { messages_.clear(); }
    void cleanup() { delete ExistingPreview(); }

    void datasheetsShowTheLastCalculation()
    {
        TFormWRG window;
        window.show();
        QVERIFY(!window.CurrentSheetData());
        window.Button1Click();
        const std::optional<SheetData> data = window.CurrentSheetData();
        QVERIFY(data && data->economy);
        QCOMPARE(data->annual.WinterHours, window.LastResults()->WinterHours);
        QCOMPARE(Q(data->context.climateZoneText), C<QComboBox>(window, "Combo_Klimazone")->currentText());

        for (QPushButton* button : {window.Button2, window.Button4, window.Button5}) {
            bool overMain = false;
            int pages = 0;
            WhenModal([&](QWidget* modal) {
                overMain = window.isVisible() && modal->windowHandle()->transientParent() == window.windowHandle();
                if (auto* preview = qobject_cast<TFormSeite*>(modal))
                    pages = preview->PageCount();
            });
            button->click();
            QVERIFY2(overMain && pages == 1, qPrintable(button->objectName()));
            QVERIFY(window.isVisible());
        }
        QVERIFY(messages_.isEmpty());
    }

    void savedClimateFileBecomesAZone()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("site.cli"));
        TFormKlimaDaten::SetFileDialogHook([path](TFormKlimaDaten::TFileChoice, const QString&) { return path; });
        TFormWRG window;
        window.show();
        window.Button1Click();
        auto* zones = C<QComboBox>(window, "Combo_Klimazone");
        const int builtIn = zones->count();

        WhenModal([&](QWidget* modal) {
            auto* editor = qobject_cast<TFormKlimaDaten*>(modal);
            QVERIFY(editor && window.isVisible() && editor->parentWidget() == &window);
            C<QLineEdit>(*editor, "Edit1")->setText(QStringLiteral("Test site"));
            const QStringList cells = {"", "5", "-2", "05:00", "8", "14:00"};
            for (int row = 2; row < 14; ++row)
                for (int column = 1; column <= 5; ++column)
                    C<QTableWidget>(*editor, "StringGrid1")->item(row, column)->setText(cells[column]);
            editor->Button4Click();
            editor->Button6Click();
        });
        window.Button_DefineClick();
        TFormKlimaDaten::SetFileDialogHook({});

        QVERIFY(window.isVisible());
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('\n'))));
        QCOMPARE(zones->count(), builtIn + 1);
        QCOMPARE(zones->itemText(builtIn), QStringLiteral("Test site"));
        QCOMPARE(window.ClimateFiles().ClimateFileList.front(), path.toStdString());
        // The results belong to the previous zones and are gone.
        QCOMPARE(EnabledButtons(window), QStringLiteral("13"));
        // And the new zone can be calculated with.
        zones->setCurrentIndex(builtIn);
        window.Button1Click();
        QVERIFY(window.LastResults() && window.StoredInputs().ClimateZone == builtIn + 1);
        QVERIFY(messages_.isEmpty());
    }

    void startFileOpensInTheClimateWindowOrIsRefused()
    {
        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        ClimateRecord record;
        record.Name = "Started site";
        for (std::size_t m = 0; m < 12; ++m) {
            record.HumRatio[m] = 3 + 0.5 * double(m);
            record.MinTemp[m] = -4 + double(m);
            record.MinTime[m] = 6.5;
            record.MaxTemp[m] = 4 + 1.5 * double(m);
            record.MaxTime[m] = 15;
        }
        // Under a name without the ending: known by its signature.
        QVERIFY(!WriteClimateFile(folder.filePath("site.dat").toStdString(), record));
        QFile(folder.filePath("notes.txt")).open(QIODevice::WriteOnly);
        QFile damaged(folder.filePath("damaged.cli"));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("not a climate file") > 0);
        damaged.close();

        TFormWRG window;
        window.show();
        const QString absolute = QDir::current().filePath(QStringLiteral("site.dat"));
        QString shownName, shownPath;
        WhenModal([&](QWidget* modal) {
            auto* editor = qobject_cast<TFormKlimaDaten*>(modal);
            QVERIFY(editor && editor->parentWidget() == &window);
            shownName = C<QLineEdit>(*editor, "Edit1")->text();
            shownPath = editor->CurrentPath();
        });
        OpenStartFile(window, QStringLiteral("site.dat"));
        QCOMPARE(shownName, QStringLiteral("Started site"));
        // Remembered with the whole path, valid from any folder.
        QCOMPARE(shownPath, absolute);
        QCOMPARE(window.ClimateFiles().ClimateFileList.front(), absolute.toStdString());
        QVERIFY(messages_.isEmpty());

        // Neither file opens a window (the test would wait for it); each
        // gets its message, and the main window goes on.
        OpenStartFile(window, QStringLiteral("notes.txt"));
        OpenStartFile(window, QStringLiteral("damaged.cli"));
        const QString damagedPath = QDir::current().filePath(QStringLiteral("damaged.cli"));
        QDir::setCurrent(previous);
        QCOMPARE(messages_.size(), 2);
        QCOMPARE(messages_[0], Q(ShownText(UnknownStartFileMessage("notes.txt"))));
        QVERIFY(messages_[1].contains(damagedPath));
        QCOMPARE(window.ClimateFiles().ClimateFileList.size(), std::size_t(1));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(MainWindowDatasheetsTest)
#include "MainWindowDatasheetsTest.moc"
