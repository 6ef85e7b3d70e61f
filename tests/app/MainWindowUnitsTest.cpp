// The unit switch of the main window: the shown volume flows and
// temperatures are converted, the inputs and the results of a calculation
// do not depend on the unit system shown.

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <utility>

#include "app/FWRG.h"
#include "ui/Catalogue.h"
#include "ui/NumEdit.h"
#include "ui/UVxMessage.h"

namespace {

template <class T = TNumEdit>
T* C(const TFormWRG& window, const char* name)
{
    if (T* child = window.findChild<T*>(QLatin1String(name)))
        return child;
    qFatal("no control %s", name);
}

bool Near(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

#define VERIFY_NEAR(a, b) QVERIFY2(Near((a), (b)), qPrintable(QStringLiteral("%1 != %2").arg(a, 0, 'g', 17).arg(b, 0, 'g', 17)))

void VerifySameInputs(const CalcInputs& a, const CalcInputs& b)
{
    for (auto field : {&CalcInputs::SupplyVolWinter, &CalcInputs::ExtractVolWinter, &CalcInputs::SupplyVolSummer,
                       &CalcInputs::ExtractVolSummer, &CalcInputs::ExtractTempWinter, &CalcInputs::ExtractTempSummer,
                       &CalcInputs::MaxSupplyTemp, &CalcInputs::SummerSwitchTemp, &CalcInputs::ExtractHumWinter,
                       &CalcInputs::ExtractHumSummer, &CalcInputs::DaysPerWeek, &CalcInputs::Investment})
        VERIFY_NEAR(a.*field, b.*field);
    QCOMPARE(a.DeviceType, b.DeviceType);
    QCOMPARE(a.WheelDiameter, b.WheelDiameter);
    QCOMPARE(a.ClimateZone, b.ClimateZone);
}

}  // namespace

class MainWindowUnitsTest : public QObject {
    Q_OBJECT
    QStringList messages_;

private slots:
    void init()
    {
        messages_.clear();
        SetMessageBoxHook([this](const QString& text, int, const QString&) {
            messages_ << text;
            return MessageResultOK;
        });
    }
    void cleanup() { SetMessageBoxHook({}); }

    void switchConvertsShownValuesAndBack()
    {
        TFormWRG w;
        C(w, "Edit_TempWi")->SetValue(20);
        C(w, "Edit_MaxZuTemp")->SetValue(-40);
        C(w, "Edit_VolZuWi")->SetValue(1000);
        C(w, "Edit_FeuchteWi")->SetValue(45);
        w.CalculationCompleted();

        w.SetUnitSystem(false);
        QVERIFY(!w.siUnits);
        VERIFY_NEAR(C(w, "Edit_TempWi")->Value(), 68.0);
        VERIFY_NEAR(C(w, "Edit_MaxZuTemp")->Value(), -40.0);
        VERIFY_NEAR(C(w, "Edit_VolZuWi")->Value(), 588.6);
        QCOMPARE(C(w, "Edit_FeuchteWi")->Value(), 45.0);
        QCOMPARE(C<QLabel>(w, "Label7")->text(), QStringLiteral("cfm"));
        QCOMPARE(C<QLabel>(w, "Label8")->text(), QString::fromStdString(CatalogueText(412)));
        // Emptied as by a design change.
        QVERIFY(w.EnergyDirty() && w.Button1->isEnabled() && !w.Button2->isEnabled());

        w.CalculationCompleted();
        w.SetUnitSystem(false);  // already active: nothing converted, nothing emptied
        VERIFY_NEAR(C(w, "Edit_TempWi")->Value(), 68.0);
        VERIFY_NEAR(C(w, "Edit_VolZuWi")->Value(), 588.6);
        QVERIFY(!w.EnergyDirty());

        w.SetUnitSystem(true);
        VERIFY_NEAR(C(w, "Edit_TempWi")->Value(), 20.0);
        VERIFY_NEAR(C(w, "Edit_VolZuWi")->Value(), 1000.0);
        QCOMPARE(C<QLabel>(w, "Label7")->text(), QString::fromStdString(CatalogueText(410)));
        w.SetUnitSystem(true);
        VERIFY_NEAR(C(w, "Edit_TempWi")->Value(), 20.0);
    }

    void inputsInCalculationUnitsWhateverIsShown()
    {
        TFormWRG si;
        TFormWRG uk;
        uk.SetUnitSystem(false);
        // Typed in UK/US units: read in m³/h and °C.
        for (auto [name, text] : {std::pair{"Edit_TempWi", "68"}, std::pair{"Edit_VolAbSo", "588.6"}}) {
            C(uk, name)->setText(QLatin1String(text));
            C(uk, name)->setModified(true);  // as typed
        }
        const CalcInputs typed = uk.ReadInputs();
        // Exactly: a threshold of the simulation must not see the rounding
        // error of the conversion.
        QCOMPARE(typed.ExtractTempWinter, 20.0);
        QCOMPARE(typed.ExtractVolSummer, 1000.0);

        // The same record shown in both systems reads back the same.
        CalcInputs record = si.ReadInputs();
        record.SupplyVolWinter = 7300;
        record.ExtractTempSummer = 26.5;
        record.SummerSwitchTemp = 14;
        si.SetInputs(record);
        uk.SetInputs(record);
        VERIFY_NEAR(C(uk, "Edit_TempSo")->Value(), 79.7);
        VerifySameInputs(uk.ReadInputs(), si.ReadInputs());
        VerifySameInputs(uk.ReadInputs(), record);
    }

    void calculationGivesTheSameResultsInBothSystems()
    {
        TFormWRG si;
        TFormWRG uk;
        uk.SetUnitSystem(false);
        si.show();
        uk.show();
        si.Button1->click();
        uk.Button1->click();
        QVERIFY2(messages_.isEmpty() && si.LastResults() && uk.LastResults(), qPrintable(messages_.join('\n')));
        const AnnualResults& a = *si.LastResults();
        const AnnualResults& b = *uk.LastResults();
        QVERIFY(a.WinterSensible != 0.0);
        QCOMPARE(a.MonthSeason, b.MonthSeason);
        for (int month = 0; month < 12; ++month) {
            VERIFY_NEAR(b.MonthSensible[month], a.MonthSensible[month]);
            VERIFY_NEAR(b.MonthLatent[month], a.MonthLatent[month]);
        }
        for (auto field : {&AnnualResults::WinterSensible, &AnnualResults::WinterLatent,
                           &AnnualResults::SummerSensible, &AnnualResults::SummerLatent, &AnnualResults::WinterHours,
                           &AnnualResults::SummerHours, &AnnualResults::Humidification,
                           &AnnualResults::Dehumidification, &AnnualResults::MaxDpSupplyWinter,
                           &AnnualResults::FanEnergy})
            VERIFY_NEAR(b.*field, a.*field);
        // The inputs kept for the settings are in calculation units.
        VerifySameInputs(uk.StoredInputs(), si.StoredInputs());
    }
};

QTEST_MAIN(MainWindowUnitsTest)
#include "MainWindowUnitsTest.moc"
