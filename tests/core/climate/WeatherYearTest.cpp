// The actual weather year: the days of a weather file, their refusal when an
// hour is missing, and the annual simulation over them.

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "core/climate/AnnualResultsFields.h"
#include "core/climate/AnnualSimulation.h"
#include "core/climate/WeatherYear.h"

namespace {

constexpr int DaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr double MonthTemps[12] = {-5, -3, 2, 8, 12, 30, 32, 31, 28, 10, 4, -2};
constexpr double HumRatio = 6;

int DaysIn(int month, bool leap)
{
    return DaysOfMonth[month - 1] + (leap && month == 2 ? 1 : 0);
}

// Every hour of a month at the month's temperature and one humidity ratio.
WeatherData SteadyWeather(bool leap = false)
{
    WeatherData weather;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= DaysIn(m, leap); ++d)
            for (int h = 1; h <= 24; ++h)
                weather.hours.push_back({m, d, h, MonthTemps[m - 1], HumRatio});
    return weather;
}

// The same weather as a typical-day year: all days of a month on day type 1.
ClimateYear SteadyClimate(bool leap)
{
    ClimateYear c;
    for (int m = 1; m <= 12; ++m) {
        c.Days(1, m) = DaysIn(m, leap);
        for (int k = 1; k <= 3; ++k) {
            c.HumRatio(k, m) = HumRatio;
            for (int h = 1; h <= 24; ++h)
                c.Temp(k, h, m) = MonthTemps[m - 1];
        }
    }
    return c;
}

WeatherYear YearOf(const WeatherData& weather)
{
    const Outcome<WeatherYear> year = WeatherYearOf(weather, "site.epw");
    EXPECT_TRUE(year.ok()) << (year.ok() ? "" : year.message().Text());
    return year.ok() ? year.value() : WeatherYear{};
}

template <class Climate>
AnnualResults Simulate(const CalcInputs& in, const Climate& climate, const SimulationHooks& hooks = {})
{
    const SimulationOutcome outcome = SimulateYear(in, climate, hooks);
    if (const auto* message = std::get_if<CoreMessage>(&outcome))
        ADD_FAILURE() << message->Text();
    const auto* results = std::get_if<AnnualResults>(&outcome);
    return results ? *results : AnnualResults{};
}

std::vector<double> Flattened(AnnualResults r)
{
    std::vector<double> values;
    VisitAnnualResults(r, [&values](const char*, const auto& field) {
        if constexpr (requires { field.size(); })
            values.insert(values.end(), field.begin(), field.end());
        else
            values.push_back(field);
    });
    return values;
}

TEST(WeatherYear, SteadyWeatherGivesTheResultsOfItsTypicalDays)
{
    CalcInputs rotary;  // heat recovered in winter, cold in the hot summer months
    rotary.SummerMode = SummerOperation::EnthalpyComparison;
    CalcInputs crossFlow;
    crossFlow.DeviceType = DeviceKind::CrossFlowPlate;
    crossFlow.DaysPerWeek = 5;
    CalcInputs counterflow;
    counterflow.DeviceType = DeviceKind::CounterflowPlate;
    counterflow.OperatingFrom = 20;
    counterflow.OperatingTo = 4;
    for (const bool leap : {false, true}) {
        const WeatherYear year = YearOf(SteadyWeather(leap));
        EXPECT_EQ(year.Hours(), leap ? 8784u : 8760u);
        for (const CalcInputs& in : {rotary, crossFlow, counterflow}) {
            SCOPED_TRACE(testing::Message() << "device " << in.DeviceType << (leap ? ", leap year" : ""));
            const AnnualResults a = Simulate(in, year);
            const AnnualResults t = Simulate(in, SteadyClimate(leap));
            // Hours, pressure drops and fan energy add whole numbers or take
            // maxima: exact. Energies and water add 24 × 31 points instead of
            // 24 points × 31 days: equal to rounding.
            EXPECT_EQ(a.WinterHours, t.WinterHours);
            EXPECT_EQ(a.SummerHours, t.SummerHours);
            EXPECT_EQ(a.FanEnergy, t.FanEnergy);
            const std::vector<double> actual = Flattened(a);
            const std::vector<double> typical = Flattened(t);
            for (std::size_t i = 0; i < actual.size(); ++i)
                EXPECT_NEAR(actual[i], typical[i], 1e-12 * std::abs(typical[i])) << "number " << i;
            EXPECT_GT(a.WinterSensible, 0);
            EXPECT_GT(a.SummerHours, 0);
        }
    }
}

TEST(WeatherYear, EveryHourHasItsOwnHumidity)
{
    CalcInputs in;
    in.SummerMode = SummerOperation::EnthalpyComparison;
    WeatherData weather = SteadyWeather();
    const AnnualResults steady = Simulate(in, YearOf(weather));
    for (WeatherHour& h : weather.hours)
        if (h.month == 7 && h.hour == 15)
            h.humRatio = 14;  // humid July afternoons
    const AnnualResults humid = Simulate(in, YearOf(weather));
    EXPECT_EQ(humid.MonthSensible[5], steady.MonthSensible[5]);
    EXPECT_EQ(humid.MonthLatent[5], steady.MonthLatent[5]);
    EXPECT_LT(humid.MonthLatent[6], steady.MonthLatent[6]);  // more water taken out of the supply air
}

TEST(WeatherYear, AMissingHourOrValueIsNamed)
{
    const auto refusal = [](const std::function<void(WeatherData&)>& change) {
        WeatherData weather = SteadyWeather();
        change(weather);
        const Outcome<WeatherYear> year = WeatherYearOf(weather, "site.epw");
        return year.ok() ? std::string("accepted") : year.message().Text();
    };
    const auto at = [](int month, int day, int hour) {
        return [=](const WeatherHour& h) { return h.month == month && h.day == day && h.hour == hour; };
    };
    const std::string prefix = "site.epw: the file has no temperature or absolute humidity for ";
    EXPECT_EQ(refusal([&](WeatherData& w) { std::ranges::find_if(w.hours, at(3, 5, 7))->temp = NAN; }),
              prefix + "month 3, day 5, hour 7.");
    EXPECT_EQ(refusal([&](WeatherData& w) {
                  std::ranges::find_if(w.hours, at(12, 31, 24))->humRatio = std::numeric_limits<double>::infinity();
              }),
              prefix + "month 12, day 31, hour 24.");
    EXPECT_EQ(refusal([&](WeatherData& w) { w.hours.erase(std::ranges::find_if(w.hours, at(7, 1, 1))); }),
              prefix + "month 7, day 1, hour 1.");
    EXPECT_EQ(refusal([](WeatherData& w) { w.hours.erase(w.hours.begin(), w.hours.begin() + 24); }),
              prefix + "month 1, day 1, hour 1.");
    EXPECT_EQ(refusal([](WeatherData& w) { w.hours.resize(w.hours.size() - 24); }),
              prefix + "month 12, day 31, hour 1.");
    EXPECT_EQ(refusal([](WeatherData& w) { w.hours.clear(); }), prefix + "month 1, day 1, hour 1.");
    // Hours out of order, as a reader that missed them would hand them on.
    EXPECT_EQ(refusal([](WeatherData& w) { std::swap(w.hours[30], w.hours[31]); }), prefix + "month 1, day 2, hour 7.");
}

TEST(WeatherYear, FailureProgressAndCancellationOfTheWalk)
{
    const WeatherYear year = YearOf(SteadyWeather());
    CalcInputs broken;
    broken.WheelDiameter = 0;
    broken.HeatingMonthFrom = 1;
    broken.HeatingMonthTo = 12;
    const SimulationOutcome failed = SimulateYear(broken, year, {});
    const auto* message = std::get_if<CoreMessage>(&failed);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Text(), "The device calculation failed at month 1, day 1, hour 7.");

    std::vector<int> progress;
    SimulationHooks hooks;
    hooks.progress = [&progress](int percent) { progress.push_back(percent); };
    Simulate(CalcInputs{}, year, hooks);
    ASSERT_EQ(progress.size(), 100u);  // every percentage once, rising
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(progress[static_cast<std::size_t>(i)], i);

    int points = 0;
    hooks.cancelled = [&points] { return ++points == 5000; };
    EXPECT_TRUE(std::holds_alternative<SimulationCancelled>(SimulateYear(CalcInputs{}, year, hooks)));
    EXPECT_EQ(points, 5000);
}

}  // namespace
