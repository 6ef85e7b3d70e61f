// The typical days derived from the hours of a weather file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "core/climate/WeatherFile.h"
#include "core/text/TextId.h"

namespace {

constexpr int DaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// A daily course of ± 5 K around `mean`: lowest at hour 3, highest at hour 15.
double SineTemp(double mean, int hour)
{
    return mean + 5 * std::cos(2 * std::numbers::pi * (hour - 15) / 24);
}

double MonthMean(int month)
{
    return 2.0 * month - 4;  // −2 … 20 °C
}

double MonthHumRatio(int month)
{
    return 2 + 0.5 * month;
}

// A year of 8760 hours; `change` may alter each hour after it is made.
WeatherData SineYear(const std::function<void(WeatherHour&)>& change = {})
{
    WeatherData weather;
    weather.name = "Sine site";
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysOfMonth[month - 1]; ++day)
            for (int hour = 1; hour <= 24; ++hour) {
                WeatherHour h{month, day, hour, SineTemp(MonthMean(month), hour), MonthHumRatio(month)};
                if (change)
                    change(h);
                weather.hours.push_back(h);
            }
    return weather;
}

double Tenth(double value)
{
    return std::round(value * 10) / 10;
}

TEST(TypicalDays, SineYearGivesItsMeansAndExtremeHoursExactly)
{
    const WeatherData weather = SineYear();
    ASSERT_EQ(weather.hours.size(), 8760u);
    const Outcome<ClimateRecord> result = TypicalDaysOf(weather);
    ASSERT_TRUE(result.ok()) << result.message().Text();
    const ClimateRecord& r = result.value();
    EXPECT_EQ(r.Name, "Sine site");
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(r.HumRatio[m], Tenth(MonthHumRatio(m + 1))) << m;
        EXPECT_EQ(r.MinTemp[m], Tenth(MonthMean(m + 1) - 5)) << m;
        EXPECT_EQ(r.MaxTemp[m], Tenth(MonthMean(m + 1) + 5)) << m;
        EXPECT_EQ(r.MinTime[m], 3) << m;
        EXPECT_EQ(r.MaxTime[m], 15) << m;
    }
}

TEST(TypicalDays, MissingHoursAndDaysWithFewerThanTwentyValidHours)
{
    // January 1st: 19 valid hours, January 2nd: 20, both 3 K warmer; the
    // hours missing lie between the extremes. A missing humidity ratio, and
    // an odd one on the 3rd, must not shift the month's mean wrongly.
    const WeatherData weather = SineYear([](WeatherHour& h) {
        if (h.month != 1)
            return;
        if (h.day == 1 || h.day == 2) {
            h.temp += 3;
            if (h.hour >= 7 && h.hour <= 11 - (h.day - 1))
                h.temp = NaN;
            h.humRatio = NaN;
        }
        if (h.day == 3 && h.hour == 1)
            h.humRatio = 2.5 + 0.1 * 696;  // lifts the mean of the 696 valid hours by 0.1
    });
    const Outcome<ClimateRecord> result = TypicalDaysOf(weather);
    ASSERT_TRUE(result.ok()) << result.message().Text();
    const ClimateRecord& r = result.value();
    // Day 1 is left out of the daily extremes; day 2 counts among 30 days.
    EXPECT_EQ(r.MinTemp[0], Tenth(MonthMean(1) - 5 + 3.0 / 30));
    EXPECT_EQ(r.MaxTemp[0], Tenth(MonthMean(1) + 5 + 3.0 / 30));
    EXPECT_EQ(r.HumRatio[0], Tenth(MonthHumRatio(1) + 0.1));
    EXPECT_EQ(r.MinTime[0], 3);
    EXPECT_EQ(r.MaxTime[0], 15);
    EXPECT_EQ(r.MinTemp[1], Tenth(MonthMean(2) - 5));
}

TEST(TypicalDays, TheEarlierHourWinsATie)
{
    // A flattened course: hours 1 … 5 share the lowest and hours 13 … 17 the
    // highest temperature.
    const WeatherData weather = SineYear([](WeatherHour& h) {
        const double mean = MonthMean(h.month);
        h.temp = std::clamp(h.temp, mean - 4, mean + 4);
    });
    const Outcome<ClimateRecord> result = TypicalDaysOf(weather);
    ASSERT_TRUE(result.ok()) << result.message().Text();
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(result.value().MinTime[m], 1) << m;
        EXPECT_EQ(result.value().MaxTime[m], 13) << m;
        EXPECT_EQ(result.value().MinTemp[m], Tenth(MonthMean(m + 1) - 4)) << m;
    }
}

// The message refusing `weather`, or a failure when it is not refused.
CoreMessage Refusal(const WeatherData& weather)
{
    const Outcome<ClimateRecord> result = TypicalDaysOf(weather);
    EXPECT_FALSE(result.ok());
    return result.ok() ? CoreMessage{} : result.message();
}

TEST(TypicalDays, RefusalsNameTheMonth)
{
    const CoreMessage flat = Refusal(SineYear([](WeatherHour& h) {
        if (h.month == 3)
            h.temp = 7;
    }));
    EXPECT_EQ(flat.textIndex, TextId::WeatherNoDailyCourse);
    EXPECT_EQ(flat.Text(), "The weather file has no daily course in March: every hour has the same mean temperature.");

    WeatherData noApril = SineYear();
    std::erase_if(noApril.hours, [](const WeatherHour& h) { return h.month == 4; });
    const CoreMessage missing = Refusal(noApril);
    EXPECT_EQ(missing.textIndex, TextId::WeatherTooFewHours);
    EXPECT_EQ(missing.Text(), "The weather file has too few valid hours in April.");

    // Every day of May short of valid hours; June without humidity ratios.
    EXPECT_EQ(Refusal(SineYear([](WeatherHour& h) {
                  if (h.month == 5 && h.hour <= 5)
                      h.temp = NaN;
              })).arguments,
              std::vector<std::string>{"May"});
    EXPECT_EQ(Refusal(SineYear([](WeatherHour& h) {
                  if (h.month == 6)
                      h.humRatio = NaN;
              })).arguments,
              std::vector<std::string>{"June"});
}

TEST(TypicalDays, ADataSetTheClimateEditorWouldRefuseIsRefused)
{
    // July too hot for the editor.
    const CoreMessage hot = Refusal(SineYear([](WeatherHour& h) {
        if (h.month == 7)
            h.temp += 50;
    }));
    EXPECT_EQ(hot.textIndex, TextId::InvalidCell);
    EXPECT_EQ(hot.Text(), "Invalid data: July, temperature of the daily minimum.");

    // August: the lowest hour 5 and the highest hour 6, a daily curve that
    // runs away.
    const CoreMessage runaway = Refusal(SineYear([](WeatherHour& h) {
        if (h.month == 8)
            h.temp = h.hour == 5 ? 10 : h.hour == 6 ? 25 : 12;
    }));
    EXPECT_EQ(runaway.textIndex, TextId::MinMaxTimesTooClose);
    EXPECT_EQ(runaway.arguments, std::vector<std::string>{"August"});

    WeatherData unnamed = SineYear();
    unnamed.name.clear();
    EXPECT_EQ(Refusal(unnamed).textIndex, TextId::EmptyDescription);
}

}  // namespace
