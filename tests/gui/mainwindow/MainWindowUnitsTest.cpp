// The unit switch of the main window: the shown volume flows and
// temperatures are converted, the inputs and the results of a calculation
// do not depend on the unit system shown.

#include <cmath>
#include <utility>

#include "tests/gui/mainwindow/MainWindowSupport.h"

namespace {

bool Near(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

#define VERIFY_NEAR(a, b) \
    QVERIFY2(Near((a), (b)), qPrintable(QStringLiteral("%1 != %2").arg(a, 0, 'g', 17).arg(b, 0, 'g', 17)))

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
    MessageLog messages_;

private slots:
    void init() { messages_.clear(); }

    // Each switch converts and empties the results as a design change does;
    // a switch to the active system changes nothing.
    void switchConvertsShownValuesAndBack()
    {
        TFormWRG w;
        // {edit, SI value, UK/US value}; -40 °C is -40 °F.
        const std::tuple<const char*, double, double> shown[] = {
            {"Edit_TempWi", 20, 68}, {"Edit_MaxZuTemp", -40, -40}, {"Edit_VolZuWi", 1000, 588.6}};
        for (const auto& [name, si, uk] : shown)
            C(w, name)->SetValue(si);
        C(w, "Edit_FeuchteWi")->SetValue(45);
        for (const bool si : {false, false, true, true}) {
            w.CalculationCompleted();
            const bool switched = si != w.siUnits;
            w.SetUnitSystem(si);
            QCOMPARE(w.siUnits, si);
            for (const auto& [name, siValue, ukValue] : shown)
                VERIFY_NEAR(C(w, name)->Value(), si ? siValue : ukValue);
            QCOMPARE(C(w, "Edit_FeuchteWi")->Value(), 45.0);
            QCOMPARE(Text(w, "Label7"), si ? Q(CatalogueText(TextId::CubicMetresPerHour)) : QStringLiteral("cfm"));
            QCOMPARE(Text(w, "Label8"), Q(CatalogueText(si ? TextId::Celsius : TextId::Fahrenheit)));
            QCOMPARE(w.EnergyDirty(), switched);
            QCOMPARE(EnabledButtons(w), switched ? QStringLiteral("13") : QStringLiteral("245"));
        }
    }

    // A typed text that is no number stays as typed through a switch and
    // back, and does not keep the other fields from being converted.
    void switchLeavesATextThatIsNoNumber()
    {
        TFormWRG w;
        C(w, "Edit_TempWi")->SetValue(20);
        auto* typed = C(w, "Edit_VolZuWi");
        typed->setText(QStringLiteral("12x"));
        typed->setModified(true);
        for (const bool si : {false, true}) {
            w.SetUnitSystem(si);
            QCOMPARE(typed->text(), QStringLiteral("12x"));
            QVERIFY(!typed->TryValue());
            VERIFY_NEAR(C(w, "Edit_TempWi")->Value(), si ? 20.0 : 68.0);
        }
        QVERIFY(messages_.isEmpty());
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
        const CalcInputs record{.SupplyVolWinter = 7300, .ExtractTempSummer = 26.5, .SummerSwitchTemp = 14};
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
        for (auto field : {&AnnualResults::WinterSensible, &AnnualResults::WinterLatent, &AnnualResults::SummerSensible,
                           &AnnualResults::SummerLatent, &AnnualResults::WinterHours, &AnnualResults::SummerHours,
                           &AnnualResults::Humidification, &AnnualResults::Dehumidification,
                           &AnnualResults::MaxDpSupplyWinter, &AnnualResults::FanEnergy})
            VERIFY_NEAR(b.*field, a.*field);
        // The inputs kept for the settings are in calculation units.
        VerifySameInputs(uk.StoredInputs(), si.StoredInputs());
    }
};

QTEST_MAIN(MainWindowUnitsTest)
#include "MainWindowUnitsTest.moc"
