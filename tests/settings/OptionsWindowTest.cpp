// The options window: pressure and altitude coupled in both unit systems, the
// separator check of OK, the currency row, and the main window taking the
// values over on OK only.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

#include "app/FWRG.h"
#include "settings/FOptionen.h"
#include "settings/UUmrechnung.h"
#include "thermo/AirPressure.h"
#include "ui/Catalogue.h"
#include "ui/NumEdit.h"
#include "ui/NumberFormat.h"
#include "ui/UVxMessage.h"

namespace {

template <class T = TNumEdit>
T* C(const QWidget& window, const char* name)
{
    if (T* child = window.findChild<T*>(QLatin1String(name)))
        return child;
    qFatal("no control %s", name);
}

bool Near(double a, double b, double tolerance = 1e-9)
{
    return std::fabs(a - b) <= tolerance * std::max(1.0, std::fabs(b));
}

#define VERIFY_NEAR(a, b) QVERIFY2(Near((a), (b)), qPrintable(QStringLiteral("%1 != %2").arg(a, 0, 'g', 17).arg(b, 0, 'g', 17)))

// Runs `act` on the options window once the main window has opened it.
void WhenOpen(std::function<void(TFormOptionen&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* options = qobject_cast<TFormOptionen*>(QApplication::activeModalWidget());
        if (!options)
            qFatal("the options window is not open");
        act(*options);
    });
}

}  // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT

    QStringList messages_;

private slots:
    void initTestCase()
    {
        SetCurrentLanguage(2);
        SetMessageBoxHook([this](const QString& message, int, const QString&) {
            messages_ << message;
            return MessageResultOK;
        });
    }
    void init() { messages_.clear(); }

    void pressureAndUnitSystem()
    {
        TFormOptionen f;
        f.SetPressure(1013);
        VERIFY_NEAR(C(f, "Edit_Luftdruck")->Value(), 1013.0);
        QVERIFY(std::fabs(C(f, "Edit_HoeheNN")->Value()) < 1e-6);
        f.SetUnitSystem(false);
        VERIFY_NEAR(C(f, "Edit_Luftdruck")->Value(), 1.0);
        QCOMPARE(C<QLabel>(f, "Label_mbar")->text(), QStringLiteral("atm"));
        QCOMPARE(C<QLabel>(f, "Label_m")->text(), QStringLiteral("ft"));
        QCOMPARE(C(f, "Edit_Luftdruck")->MaxValue(), 1.08);
        // The same system again converts nothing.
        f.SetUnitSystem(false);
        VERIFY_NEAR(C(f, "Edit_Luftdruck")->Value(), 1.0);
        // A double click in the SI column switches back.
        f.Tabelle_EinheitenDblClick(3, 1);
        QVERIFY(f.IsSI());
        VERIFY_NEAR(C(f, "Edit_Luftdruck")->Value(), 1013.0);
        f.SetUnitSystem(true);
        VERIFY_NEAR(C(f, "Edit_Luftdruck")->Value(), 1013.0);
        QCOMPARE(C(f, "Edit_HoeheNN")->MinValue(), -700.0);
        VERIFY_NEAR(f.Pressure(), 1013.0);
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
        VERIFY_NEAR(f.Pressure(), PressureOfAltitude(ConvertUnit(UnitKind::Length, UnitCode::Foot, UnitCode::Metre, 1000)));
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
            C<QLineEdit>(f, "Edit_DecimalSeparator")->setText(QString::fromLatin1(decimal));
            C<QLineEdit>(f, "Edit_ThousandSeparator")->setText(QString::fromLatin1(thousands));
            QTest::mouseClick(C<QPushButton>(f, "Button_OK"), Qt::LeftButton);
            QCOMPARE(messages_.size(), 1);
            QVERIFY(f.isVisible());
        }
        messages_.clear();
        C<QLineEdit>(f, "Edit_DecimalSeparator")->setText(QStringLiteral(","));
        C<QLineEdit>(f, "Edit_ThousandSeparator")->setText(QStringLiteral("."));
        QTest::mouseClick(C<QPushButton>(f, "Button_OK"), Qt::LeftButton);
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

    void cancelKeepsEverything()
    {
        TFormWRG w;
        C(w, "Edit_TempWi")->SetValue(20);
        const NumberSeparators before = ProgramSeparators();
        const QString currency = w.currency;
        const double pressure = w.StoredInputs().AirPressure;
        WhenOpen([](TFormOptionen& f) {
            f.SetUnitSystem(false);
            f.SetPressure(900);
            C<QLineEdit>(f, "Edit_Waehrung")->setText(QStringLiteral("GBP"));
            C<QLineEdit>(f, "Edit_DecimalSeparator")->setText(QStringLiteral(","));
            C<QLineEdit>(f, "Edit_ThousandSeparator")->setText(QStringLiteral("."));
            QTest::mouseClick(C<QPushButton>(f, "Button_Cancel"), Qt::LeftButton);
        });
        w.Einstellungen1Click();
        QVERIFY(w.siUnits);
        QCOMPARE(w.currency, currency);
        QCOMPARE(w.StoredInputs().AirPressure, pressure);
        QCOMPARE(ProgramSeparators().decimal, before.decimal);
        QCOMPARE(ProgramSeparators().thousands, before.thousands);
        VERIFY_NEAR(C(w, "Edit_TempWi")->Value(), 20.0);
    }

    void okTakesEverythingOver()
    {
        TFormWRG w;
        C(w, "Edit_TempWi")->SetValue(20);
        C(w, "Edit_Zins")->SetValue(5.5);
        WhenOpen([](TFormOptionen& f) {
            QVERIFY(f.IsSI());
            QCOMPARE(C<QLineEdit>(f, "Edit_DecimalSeparator")->text(), QStringLiteral("."));
            f.Tabelle_EinheitenDblClick(0, 2);
            f.SetPressure(900);
            C<QLineEdit>(f, "Edit_Waehrung")->setText(QStringLiteral("GBP"));
            C<QLineEdit>(f, "Edit_DecimalSeparator")->setText(QStringLiteral(","));
            C<QLineEdit>(f, "Edit_ThousandSeparator")->setText(QStringLiteral("."));
            QTest::mouseClick(C<QPushButton>(f, "Button_OK"), Qt::LeftButton);
        });
        w.Einstellungen1Click();
        const NumberSeparators after = ProgramSeparators();
        SetProgramSeparators({'.', ','});
        SetProgramCurrency({});
        QVERIFY(!w.siUnits);
        VERIFY_NEAR(C(w, "Edit_TempWi")->Value(), 68.0);
        QCOMPARE(w.currency, QStringLiteral("GBP"));
        VERIFY_NEAR(w.StoredInputs().AirPressure, 900.0);
        QCOMPARE(after.decimal, ',');
        QCOMPARE(after.thousands, '.');
        QCOMPARE(C(w, "Edit_Zins")->text(), QStringLiteral("5,5"));
        VERIFY_NEAR(C(w, "Edit_Zins")->Value(), 5.5);
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "OptionsWindowTest.moc"
