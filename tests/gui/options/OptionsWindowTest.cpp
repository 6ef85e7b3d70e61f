// The options window: pressure and altitude coupled in both unit systems, the
// separator check of OK, the currency row, and the main window taking the
// values over on OK only.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

#include "core/settings/UnitConversion.h"
#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"
#include "core/thermo/AirPressure.h"
#include "gui/controls/Controls.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/NumericEdit.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/options/OptionsWindow.h"
#include "tests/gui/controls/MessageLog.h"

namespace {

template <class T = TNumEdit>
T* C(const QWidget& window, const char* name)
{
    if (T* child = window.findChild<T*>(QLatin1String(name)))
        return child;
    qFatal("no control %s", name);
}

#define VERIFY_NEAR(a, b)                                                \
    QVERIFY2(std::fabs((a) - (b)) <= 1e-9 * std::max(1.0, std::fabs(b)), \
             qPrintable(QStringLiteral("%1 != %2").arg(a, 0, 'g', 17).arg(b, 0, 'g', 17)))

// Types the separators (and the currency, unless null) and presses `button`.
void Enter(TFormOptionen& f, const char* decimal, const char* thousands, const char* button,
           const char* currency = nullptr)
{
    C<QLineEdit>(f, "Edit_DecimalSeparator")->setText(QString::fromLatin1(decimal));
    C<QLineEdit>(f, "Edit_ThousandSeparator")->setText(QString::fromLatin1(thousands));
    if (currency)
        C<QLineEdit>(f, "Edit_Waehrung")->setText(QString::fromLatin1(currency));
    QTest::mouseClick(C<QPushButton>(f, button), Qt::LeftButton);
}

// Opens the options window from the main window and runs `act` on it.
void Options(TFormWRG& w, std::function<void(TFormOptionen&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* options = qobject_cast<TFormOptionen*>(QApplication::activeModalWidget());
        if (!options)
            qFatal("the options window is not open");
        act(*options);
    });
    w.Einstellungen1Click();
}

}  // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT

    MessageLog messages_;

private slots:
    void initTestCase() { SetCurrentLanguage(2); }
    void init()
    {
        SetCurrentLanguage(2);
        messages_.clear();
    }

    void pressureAndUnitSystem()
    {
        TFormOptionen f;
        f.SetPressure(1013);
        VERIFY_NEAR(C(f, "Edit_Luftdruck")->Value(), 1013.0);
        QVERIFY(std::fabs(C(f, "Edit_HoeheNN")->Value()) < 1e-6);
        // The same system twice converts once.
        for (int i = 0; i < 2; ++i) {
            f.SetUnitSystem(false);
            VERIFY_NEAR(C(f, "Edit_Luftdruck")->Value(), 1.0);
        }
        QCOMPARE(C<QLabel>(f, "Label_mbar")->text(), QStringLiteral("atm"));
        QCOMPARE(C<QLabel>(f, "Label_m")->text(), QStringLiteral("ft"));
        // A double click in the SI column switches back.
        f.Tabelle_EinheitenDblClick(3, 1);
        QVERIFY(f.IsSI());
        VERIFY_NEAR(C(f, "Edit_Luftdruck")->Value(), 1013.0);
        VERIFY_NEAR(f.Pressure(), 1013.0);
    }

    // The units table: quantity names after one blank, then the two units.
    void unitsTable()
    {
        TFormOptionen f;
        const auto* grid = C<QTableWidget>(f, "Tabelle_Einheiten");
        QStringList rows;
        for (int row : {0, 1, 8})
            rows << grid->item(row, 0)->text() + "|" + grid->item(row, 1)->text() + "|" + grid->item(row, 2)->text();
        QCOMPARE(rows, QStringList({" Air quantity|m³/h|cfm", " Temperature|°C|°F", " Air pressure|mbar|atm"}));
    }

    // In every language the three tabs stand in one row with their whole
    // captions, the row stays put when a tab is chosen, and the units page
    // shows all rows of its table. The window is made in English and then
    // switched, as the main window does with a window it keeps.
    void layoutInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        for (const int language : OfferedLanguages)
            QTest::newRow(qPrintable(QString::number(language))) << language;
    }
    void layoutInEveryLanguage()
    {
        QFETCH(int, language);
        SetCurrentLanguage(2);
        TFormOptionen f;
        SetCurrentLanguage(language);
        f.ApplyTexts();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto* pages = C<TVxPageControl>(f, "PageControl1");
        QCOMPARE(pages->count(), 3);
        for (int current = 0; current < pages->count(); ++current) {
            QTest::mouseClick(pages->tabStrip(), Qt::LeftButton, {}, pages->tabRect(current).center());
            QCOMPARE(pages->currentIndex(), current);
            QCOMPARE(pages->rowCount(), 1);
            for (int i = 0; i < pages->count(); ++i) {
                const QRect tab = pages->tabRect(i);
                const QString caption = pages->caption(i);
                QVERIFY2(pages->tabStrip()->rect().contains(tab), qPrintable(caption));
                if (i > 0)
                    QVERIFY2(tab.left() >= pages->tabRect(i - 1).left(), "tabs in their order");
                const int needed = QFontMetrics(pages->page(i)->font()).horizontalAdvance(caption.trimmed());
                QVERIFY2(tab.width() >= needed, qPrintable(caption + QStringLiteral(" cut")));
            }
        }

        auto* units = C<QWidget>(f, "Seite_Einheiten");
        pages->setCurrentIndex(pages->indexOf(units));
        QVERIFY(units->isVisible());
        auto* grid = C<QTableWidget>(f, "Tabelle_Einheiten");
        QCOMPARE(grid->rowCount(), 10);
        QVERIFY(units->rect().contains(grid->geometry()));
        for (int row = 0; row < grid->rowCount(); ++row)
            QVERIFY2(grid->viewport()->rect().contains(grid->visualItemRect(grid->item(row, 2))),
                     qPrintable(QStringLiteral("row %1 hidden").arg(row)));
        QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
    }

    void altitudeSetsPressure()
    {
        TFormOptionen f;
        f.SetPressure(950);
        C(f, "Edit_HoeheNN")->SetValue(0);
        f.Edit_LuftdruckCalculate(C(f, "Edit_HoeheNN"));
        VERIFY_NEAR(f.Pressure(), PressureOfAltitude(0));
        VERIFY_NEAR(f.Altitude(), AltitudeOfPressure(PressureOfAltitude(0)));
        // In UK/US units the altitude is read in ft.
        f.SetUnitSystem(false);
        C(f, "Edit_HoeheNN")->SetValue(1000);
        f.Edit_LuftdruckCalculate(C(f, "Edit_HoeheNN"));
        VERIFY_NEAR(f.Pressure(),
                    PressureOfAltitude(ConvertUnit(UnitKind::Length, UnitCode::Foot, UnitCode::Metre, 1000)));
        C(f, "Edit_Luftdruck")->SetValue(0.9);
        f.Edit_LuftdruckCalculate(C(f, "Edit_Luftdruck"));
        VERIFY_NEAR(f.Pressure(), 0.9 * 1013);
        VERIFY_NEAR(C(f, "Edit_HoeheNN")->Value(),
                    ConvertUnit(UnitKind::Length, UnitCode::Metre, UnitCode::Foot, AltitudeOfPressure(0.9 * 1013)));
    }

    void okRefusesUnusableSeparators()
    {
        TFormOptionen f;
        f.SetCurrency(QStringLiteral("EUR"));
        f.show();
        for (auto [decimal, thousands] : {std::pair{",", ","}, std::pair{",", ""}, std::pair{"", "."}}) {
            messages_.clear();
            Enter(f, decimal, thousands, "Button_OK");
            QCOMPARE(messages_.size(), 1);
            QVERIFY(f.isVisible());
        }
        messages_.clear();
        Enter(f, ",", ".", "Button_OK");
        QVERIFY(messages_.isEmpty());
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(f.Separators().decimal, ',');
        QCOMPARE(f.Separators().thousands, '.');
    }

    void emptyCurrencyHidesItsRow()
    {
        TFormOptionen f;
        f.SetCurrency(QString());
        f.show();
        QVERIFY(C<QLabel>(f, "Label_Waehrung")->isHidden());
        QVERIFY(C<QLineEdit>(f, "Edit_Waehrung")->isHidden());
        f.hide();
        f.SetCurrency(QStringLiteral("USD"));
        f.show();
        QVERIFY(!C<QLabel>(f, "Label_Waehrung")->isHidden());
        QCOMPARE(f.Currency(), QStringLiteral("USD"));
    }

    // The main window takes units, pressure, currency and separators over on
    // OK, converting its shown values; Cancel keeps everything.
    void mainWindowTakesTheOptionsOverOnOkOnly_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void mainWindowTakesTheOptionsOverOnOkOnly()
    {
        QFETCH(bool, ok);
        TFormWRG w;
        C(w, "Edit_TempWi")->SetValue(20);
        C(w, "Edit_Zins")->SetValue(5.5);
        const QString currency = w.currency;
        const double pressure = w.StoredInputs().AirPressure;
        Options(w, [ok](TFormOptionen& f) {
            QVERIFY(f.IsSI());
            QCOMPARE(C<QLineEdit>(f, "Edit_DecimalSeparator")->text(), QStringLiteral("."));
            f.Tabelle_EinheitenDblClick(0, 2);
            f.SetPressure(900);
            Enter(f, ",", ".", ok ? "Button_OK" : "Button_Cancel", "GBP");
        });
        const NumberSeparators after = ProgramSeparators();
        SetProgramSeparators({'.', ','});
        SetProgramCurrency({});
        QCOMPARE(w.siUnits, !ok);
        VERIFY_NEAR(C(w, "Edit_TempWi")->Value(), ok ? 68.0 : 20.0);
        QCOMPARE(w.currency, ok ? QStringLiteral("GBP") : currency);
        VERIFY_NEAR(w.StoredInputs().AirPressure, ok ? 900.0 : pressure);
        QCOMPARE(QString{after.decimal} + after.thousands, QString(ok ? ",." : ".,"));
        VERIFY_NEAR(C(w, "Edit_Zins")->Value(), 5.5);
        if (ok)
            QCOMPARE(C(w, "Edit_Zins")->text(), QStringLiteral("5,5"));
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "OptionsWindowTest.moc"
