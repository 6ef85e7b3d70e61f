// The typical days of each month of a weather file as a climate data set.

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "core/climate/WeatherFile.h"
#include "core/forms/ClimateEditorCells.h"
#include "core/text/Catalogue.h"

namespace {

constexpr int MonthCount = 12;
constexpr int HoursPerDay = 24;
constexpr int LongestMonth = 31;
// A day with fewer valid hours might miss its minimum or maximum, which would
// pull the mean daily extremes towards the middle.
constexpr int ValidHoursOfACountedDay = 20;

// The valid hours of one day and their extremes.
struct DaySums {
    int validHours = 0;
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
};

// A running mean.
struct Mean {
    double sum = 0;
    int count = 0;

    void Add(double value)
    {
        sum += value;
        ++count;
    }
    double Value() const { return sum / count; }
};

// What a month of the file adds up to.
struct MonthSums {
    Mean humRatio;
    std::array<Mean, HoursPerDay> hourTemp;  // by hour 1 … 24
    std::array<DaySums, LongestMonth> days;  // by day 1 … 31
};

using YearSums = std::array<MonthSums, MonthCount>;

double RoundedToTenth(double value)
{
    return std::round(value * 10) / 10;
}

std::string MonthText(int month)
{
    return CatalogueText(MonthName(month));
}

CoreMessage TooFewData(int month)
{
    return CoreMessage{
        TextId::WeatherTooFewHours, "The weather file has too few valid hours in %s.", {MonthText(month)}};
}

CoreMessage NoDailyCourse(int month)
{
    return CoreMessage{TextId::WeatherNoDailyCourse,
                       "The weather file has no daily course in %s: every hour has the same mean temperature.",
                       {MonthText(month)}};
}

bool IsInYear(const WeatherHour& h)
{
    return h.month >= 1 && h.month <= MonthCount && h.day >= 1 && h.day <= LongestMonth && h.hour >= 1 &&
           h.hour <= HoursPerDay;
}

YearSums SumsOf(const WeatherData& weather)
{
    YearSums sums;
    for (const WeatherHour& h : weather.hours) {
        if (!IsInYear(h))
            continue;
        MonthSums& month = sums[static_cast<std::size_t>(h.month - 1)];
        if (!std::isnan(h.humRatio))
            month.humRatio.Add(h.humRatio);
        if (std::isnan(h.temp))
            continue;
        month.hourTemp[static_cast<std::size_t>(h.hour - 1)].Add(h.temp);
        DaySums& day = month.days[static_cast<std::size_t>(h.day - 1)];
        ++day.validHours;
        day.lowest = std::min(day.lowest, h.temp);
        day.highest = std::max(day.highest, h.temp);
    }
    return sums;
}

// The hours 1 … 24 of the lowest and the highest mean temperature, the
// earlier hour on a tie; hours without a valid temperature take no part.
struct ExtremeHours {
    int lowest = 0;
    int highest = 0;
};

ExtremeHours ExtremeHoursOf(const MonthSums& month)
{
    ExtremeHours extremes;
    double lowest = 0;
    double highest = 0;
    for (int hour = 1; hour <= HoursPerDay; ++hour) {
        const Mean& m = month.hourTemp[static_cast<std::size_t>(hour - 1)];
        if (m.count == 0)
            continue;
        const double mean = m.Value();
        if (extremes.lowest == 0 || mean < lowest) {
            extremes.lowest = hour;
            lowest = mean;
        }
        if (extremes.highest == 0 || mean > highest) {
            extremes.highest = hour;
            highest = mean;
        }
    }
    if (lowest == highest)  // also when no hour has data
        extremes = {};
    return extremes;
}

// Fills month `month` (1 … 12) of the record, or tells why it cannot.
std::optional<CoreMessage> FillMonth(const MonthSums& sums, int month, ClimateRecord& record)
{
    Mean lowest;
    Mean highest;
    for (const DaySums& day : sums.days) {
        if (day.validHours < ValidHoursOfACountedDay)
            continue;
        lowest.Add(day.lowest);
        highest.Add(day.highest);
    }
    if (sums.humRatio.count == 0 || lowest.count == 0)
        return TooFewData(month);
    const ExtremeHours hours = ExtremeHoursOf(sums);
    if (hours.lowest == 0)
        return NoDailyCourse(month);
    const auto m = static_cast<std::size_t>(month - 1);
    record.HumRatio[m] = RoundedToTenth(sums.humRatio.Value());
    record.MinTemp[m] = RoundedToTenth(lowest.Value());
    record.MaxTemp[m] = RoundedToTenth(highest.Value());
    record.MinTime[m] = hours.lowest;
    record.MaxTime[m] = hours.highest;
    return std::nullopt;
}

}  // namespace

Outcome<ClimateRecord> TypicalDaysOf(const WeatherData& weather)
{
    const YearSums sums = SumsOf(weather);
    ClimateRecord record;
    record.Name = CutClimateName(weather.name);
    for (int month = 1; month <= MonthCount; ++month) {
        if (auto failure = FillMonth(sums[static_cast<std::size_t>(month - 1)], month, record))
            return *std::move(failure);
    }
    // The data set must be one the climate editor would save: a site beyond
    // the editor's ranges or a daily curve that runs away is refused here
    // rather than stored in a file the editor then refuses.
    const NumberSeparators separators;
    const ClimateTextCheck check = CheckClimateTexts(record.Name, ClimateTextsOfRecord(record, true, separators), true,
                                                     separators);
    if (!check.record)
        return *ClimateTextCheckMessage(check);
    return record;
}
