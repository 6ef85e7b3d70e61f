// The annual simulation on small made-up climates, where sums can be checked
// by hand.

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "core/climate/AnnualSimulation.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

constexpr std::array<double, 12> MonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// All days of a month on day type 1, one temperature per month for every
// hour, one humidity ratio.
ClimateYear SteadyClimate(const std::array<double, 12>& temps, double humRatio)
{
    ClimateYear c;
    for (int m = 1; m <= 12; ++m) {
        c.Days(1, m) = MonthLengths[m - 1];
        for (int k = 1; k <= 3; ++k) {
            c.HumRatio(k, m) = humRatio;
            for (int h = 1; h <= 24; ++h)
                c.Temp(k, h, m) = temps[m - 1];
        }
    }
    return c;
}

ClimateYear WinterEverywhere()
{
    std::array<double, 12> temps;
    temps.fill(0);
    return SteadyClimate(temps, 3);
}

AnnualResults Simulate(const CalcInputs& in, const ClimateYear& climate, SimulationHooks hooks = {})
{
    SimulationOutcome outcome = SimulateYear(in, climate, hooks);
    if (const auto* message = std::get_if<CoreMessage>(&outcome))
        ADD_FAILURE() << message->Text();
    const auto* results = std::get_if<AnnualResults>(&outcome);
    return results ? *results : AnnualResults{};
}

CalcInputs AllYearHeating()
{
    CalcInputs in;
    in.HeatingMonthFrom = 1;
    in.HeatingMonthTo = 12;
    return in;
}

TEST(AnnualSimulationSchedule, HeatingMonthsAndOperatingHours)
{
    const auto heating = [](int from, int to) {
        std::string months;
        for (int season : MonthSeasons(from, to))
            months += season == Season::Heating ? 'H' : '.';
        return months;
    };
    EXPECT_EQ(heating(10, 4), "HHHH.....HHH");
    EXPECT_EQ(heating(3, 9), "..HHHHHHH...");
    EXPECT_EQ(heating(5, 5), "....H.......");
    EXPECT_EQ(heating(0, 5), "............");
    EXPECT_EQ(heating(10, 0), "............");
    const auto hours = [](int from, int to) {
        std::string running;
        for (int h = 1; h <= 24; ++h)
            running += IsOperatingHour(from, to, h) ? 'x' : '.';
        return running;
    };
    EXPECT_EQ(hours(6, 18), "......xxxxxxxxxxxx......");
    EXPECT_EQ(hours(22, 6), "xxxxxx................xx");
    EXPECT_EQ(hours(8, 8), std::string(24, 'x'));
    EXPECT_EQ(hours(0, 24), std::string(24, 'x'));
}

TEST(AnnualSimulationSchedule, HourModesAtTheirBoundaries)
{
    CalcInputs in;
    in.OperatingFrom = 6, in.OperatingTo = 18, in.MaxSupplyTemp = 18;
    in.ExtractTempSummer = 24, in.ExtractHumSummer = 50, in.SummerSwitchTemp = 20;
    const double xExtract = HumRatioOf(24, 50, in.AirPressure);  // outdoor air of the extract enthalpy
    using enum HourMode;
    using S = SummerOperation;
    const struct {
        SummerOperation summer;
        bool control, heating;
        double t, x;
        int hour;
        HourMode mode;
    } rows[] = {
        {S::None, true, true, 0, 8, 6, Off},
        {S::None, true, true, 18, 8, 7, WinterRecovery},  // equal to the supply limit
        {S::None, true, true, 18.1, 8, 7, WinterNoRecovery},
        {S::None, false, true, 30, 8, 7, WinterRecovery},
        {S::TemperatureComparison, true, false, 24, 8, 12, SummerNoRecovery},
        {S::TemperatureComparison, true, false, 24.1, 8, 12, SummerRecovery},
        {S::SwitchOverTemperature, true, false, 20, 8, 12, SummerNoRecovery},
        {S::SwitchOverTemperature, true, false, 20.1, 8, 12, SummerRecovery},
        {S::None, true, false, 35, 8, 12, SummerNoRecovery},
        {S::EnthalpyComparison, true, false, 24, xExtract, 12, SummerNoRecovery},
        {S::EnthalpyComparison, true, false, 24, xExtract + 0.1, 12, SummerRecovery},
        {S::EnthalpyComparison, true, false, 30, 2, 12, SummerNoRecovery},  // warm but dry
    };
    for (const auto& r : rows) {
        in.SummerMode = r.summer;
        in.SupplyTempControl = r.control;
        EXPECT_EQ(HourModeOf(in, r.heating, r.t, r.x, r.hour), r.mode)
            << "summer mode " << static_cast<int>(r.summer) << ", " << r.t << " °C, " << r.x << " g/kg, hour "
            << r.hour;
    }
}

TEST(AnnualSimulation, HoursEnergiesAndWaterScaleWithTheDaysPerWeek)
{
    CalcInputs in = AllYearHeating();
    in.OperatingFrom = 6;
    in.OperatingTo = 22;
    in.DaysPerWeek = 7;
    const AnnualResults full = Simulate(in, WinterEverywhere());
    EXPECT_DOUBLE_EQ(full.WinterHours, 365 * 16);
    EXPECT_GT(full.WinterSensible, 0);
    EXPECT_GT(full.Humidification, 0);  // the default rotor returns moisture

    in.DaysPerWeek = 5;
    const AnnualResults part = Simulate(in, WinterEverywhere());
    const double f = 5.0 / 7;
    EXPECT_NEAR(part.WinterHours, full.WinterHours * f, 1e-9);
    EXPECT_NEAR(part.WinterSensible, full.WinterSensible * f, 1e-6);
    EXPECT_NEAR(part.WinterLatent, full.WinterLatent * f, 1e-6);
    EXPECT_NEAR(part.Humidification, full.Humidification * f, 1e-9);
    EXPECT_EQ(part.MaxDpSupplyWinter, full.MaxDpSupplyWinter);  // pressure drops do not scale
}

TEST(AnnualSimulation, PlateExchangersHaveNoLatentEnergyAndNoWater)
{
    CalcInputs in = AllYearHeating();
    for (DeviceKind device : {DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate}) {
        SCOPED_TRACE(static_cast<int>(device));
        in.DeviceType = device;
        const AnnualResults r = Simulate(in, WinterEverywhere());
        EXPECT_GT(r.WinterSensible, 0);
        EXPECT_EQ(r.WinterLatent, 0);
        for (double latent : r.MonthLatent)
            EXPECT_EQ(latent, 0);
        EXPECT_EQ(r.Humidification, 0);
        EXPECT_EQ(r.Dehumidification, 0);
    }
}

TEST(AnnualSimulation, FanEnergyRunsAllDayWhenFromEqualsTo)
{
    CalcInputs in = AllYearHeating();
    in.OperatingFrom = in.OperatingTo = 7;
    in.DaysPerWeek = 7;
    const AnnualResults r = Simulate(in, WinterEverywhere());
    EXPECT_DOUBLE_EQ(r.WinterHours, 365 * 24);
    const double expected = 12 * (365.0 / 12) * 24 *
                            (r.MaxDpSupplyWinter * in.SupplyVolWinter + r.MaxDpExtractWinter * in.ExtractVolWinter) /
                            3600 / 1000 / 0.75;
    EXPECT_GT(r.FanEnergy, 0);
    EXPECT_NEAR(r.FanEnergy, expected, expected * 1e-12);
}

TEST(AnnualSimulation, SeasonTotalsAndChartRange)
{
    // Cold winters and hot summers: heat recovered in winter, cold in summer.
    CalcInputs in;  // heating months 10 to 5
    in.SummerMode = SummerOperation::TemperatureComparison;
    const ClimateYear climate = SteadyClimate({-5, -3, 2, 8, 12, 30, 32, 31, 28, 10, 4, -2}, 6);
    const AnnualResults r = Simulate(in, climate);
    EXPECT_GT(r.WinterSensible, 0);
    EXPECT_GT(r.SummerSensible, 0);    // cold recovery counts positive
    EXPECT_LT(r.MonthSensible[6], 0);  // July cools the supply air
    EXPECT_GT(r.SummerHours, 0);
    double winter = 0;
    for (int m : {0, 1, 2, 3, 4, 9, 10, 11})
        winter += r.MonthSensible[m];
    EXPECT_NEAR(r.WinterSensible, winter, 1e-9);
    double largest = 0;
    for (int m = 0; m < 12; ++m) {
        const double sign = r.MonthSeason[m] == Season::Heating ? 1 : -1;
        largest = std::max(largest, std::max(sign * r.MonthSensible[m], 0.0) + std::max(sign * r.MonthLatent[m], 0.0));
    }
    EXPECT_DOUBLE_EQ(r.ChartMax, largest);
    EXPECT_LE(r.ChartMin, 0);
}

TEST(AnnualSimulation, SupplyLimitHoursRunForTheirPressureDropOnly)
{
    // Outdoor air between the supply limit and the extract temperature: the
    // wheel runs without recovery, so only its pressure drop counts.
    CalcInputs in = AllYearHeating();
    in.MaxSupplyTemp = 18;
    std::array<double, 12> temps;
    temps.fill(20);
    const AnnualResults r = Simulate(in, SteadyClimate(temps, 6));
    EXPECT_EQ(r.WinterHours, 0);
    EXPECT_EQ(r.WinterSensible, 0);
    EXPECT_GT(r.MaxDpSupplyWinter, 0);
    EXPECT_GT(r.FanEnergy, 0);
}

TEST(AnnualSimulation, FailedPointEndsTheRunWithItsPlace)
{
    CalcInputs in = AllYearHeating();
    in.WheelDiameter = 0;
    in.OperatingFrom = 6;
    const SimulationOutcome outcome = SimulateYear(in, WinterEverywhere(), {});
    const auto* message = std::get_if<CoreMessage>(&outcome);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Text(), "The device calculation failed at day type 1, month 1, hour 7.");
}

TEST(AnnualSimulation, ProgressAndCancellation)
{
    std::vector<int> progress;
    int points = 0;
    SimulationHooks hooks;
    hooks.progress = [&progress](int percent) { progress.push_back(percent); };
    Simulate(CalcInputs{}, WinterEverywhere(), hooks);
    ASSERT_EQ(progress.size(), 37u);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 99);
    EXPECT_TRUE(std::ranges::is_sorted(progress));

    hooks.cancelled = [&points] { return ++points == 100; };
    const SimulationOutcome outcome = SimulateYear(CalcInputs{}, WinterEverywhere(), hooks);
    EXPECT_TRUE(std::holds_alternative<SimulationCancelled>(outcome));
    EXPECT_EQ(points, 100);
}

TEST(AnnualSimulation, InputsThatCannotBeSimulated)
{
    EXPECT_FALSE(CheckSimulationInputs(CalcInputs{}).has_value());
    const std::function<void(CalcInputs&)> changes[] = {
        [](CalcInputs& in) { in.DeviceType = static_cast<DeviceKind>(4); },
        [](CalcInputs& in) { in.RotorTypeCode = 11; },
        [](CalcInputs& in) { in.OperatingTo = 25; },
        [](CalcInputs& in) { in.HeatingMonthFrom = 13; },
        [](CalcInputs& in) { in.SummerMode = static_cast<SummerOperation>(0); },
        [](CalcInputs& in) { in.DaysPerWeek = 8; },
        [](CalcInputs& in) { in.SupplyVolWinter = NAN; },
        [](CalcInputs& in) { in.ClimateZone = 0; }};
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        CalcInputs in;
        changes[i](in);
        EXPECT_TRUE(CheckSimulationInputs(in).has_value()) << "change " << i;
    }
}

}  // namespace
