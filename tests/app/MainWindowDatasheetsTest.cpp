// The datasheet and climate data commands of the main window: each opens its
// modal window with the main window hidden, the sheets show the last
// calculation, and a climate file saved in the editor becomes a zone that
// can be calculated with.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/FWRG.h"
#include "climate/FKlimaDaten.h"
#include "print/FSeite.h"
#include "ui/UVxMessage.h"

namespace {

// Runs `inspect` on the modal window once it shows, then closes it.
void WhenModal(std::function<void(QWidget*)> inspect)
{
    QTimer::singleShot(0, [inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            WhenModal(inspect);
            return;
        }
        inspect(modal);
        modal->close();
    });
}

}  // namespace

class MainWindowDatasheetsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        SetMessageBoxHook([this](const QString& message, int, const QString&) {
            messages_ << message;
            return 1;
        });
        messages_.clear();
    }
    void cleanup()
    {
        SetMessageBoxHook({});
        delete ExistingPreview();
    }

    void datasheetsShowTheLastCalculation()
    {
        TFormWRG window;
        window.show();
        QVERIFY(!window.CurrentSheetData());
        window.Button1Click();
        QVERIFY(window.Button2->isEnabled() && window.Button4->isEnabled() && window.Button5->isEnabled());
        const std::optional<SheetData> data = window.CurrentSheetData();
        QVERIFY(data && data->economy);
        QCOMPARE(data->annual.WinterHours, window.LastResults()->WinterHours);
        QCOMPARE(QString::fromStdString(data->context.climateZoneText),
                 window.findChild<QComboBox*>(QStringLiteral("Combo_Klimazone"))->currentText());

        for (QPushButton* button : {window.Button2, window.Button4, window.Button5}) {
            bool mainHidden = false;
            int pages = 0;
            WhenModal([&](QWidget* modal) {
                mainHidden = !window.isVisible();
                if (auto* preview = qobject_cast<TFormSeite*>(modal))
                    pages = preview->PageCount();
            });
            button->click();
            QVERIFY2(mainHidden && pages == 1, qPrintable(button->objectName()));
            QVERIFY(window.isVisible());
        }
        QVERIFY(messages_.isEmpty());
    }

    void savedClimateFileBecomesAZone()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("site.cli"));
        TFormKlimaDaten::SetFileDialogHook([path](bool, const QString&) { return path; });
        TFormWRG window;
        window.show();
        window.Button1Click();
        auto* zones = window.findChild<QComboBox*>(QStringLiteral("Combo_Klimazone"));
        const int builtIn = zones->count();

        WhenModal([&](QWidget* modal) {
            auto* editor = qobject_cast<TFormKlimaDaten*>(modal);
            QVERIFY(editor && !window.isVisible());
            editor->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Test site"));
            auto* grid = editor->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
            for (int row = 2; row < 14; ++row) {
                const QStringList cells = {QStringLiteral("5"), QStringLiteral("-2"), QStringLiteral("05:00"),
                                           QStringLiteral("8"), QStringLiteral("14:00")};
                for (int column = 1; column <= 5; ++column)
                    grid->item(row, column)->setText(cells[column - 1]);
            }
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
        QVERIFY(!window.Button2->isEnabled() && window.Button1->isEnabled());
        // And the new zone can be calculated with.
        zones->setCurrentIndex(builtIn);
        window.Button1Click();
        QVERIFY(window.LastResults() && window.StoredInputs().ClimateZone == builtIn + 1);
        QVERIFY(messages_.isEmpty());
    }

private:
    QStringList messages_;
};

QTEST_MAIN(MainWindowDatasheetsTest)
#include "MainWindowDatasheetsTest.moc"
