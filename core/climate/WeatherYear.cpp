// A weather file's hours as the days of an actual year.

#include "core/climate/WeatherYear.h"

#include <cmath>
#include <string>

namespace {

constexpr int LastHour = 24;

// A place in the calendar: month, day, hour.
struct Slot {
    int month = 1, day = 1, hour = 1;

    bool operator==(const Slot&) const = default;
};

constexpr int DaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The hour after `slot`; 29 February only when the file has it (`next` is
// the file's next hour, or nothing at its end).
Slot Following(Slot slot, const WeatherHour* next)
{
    if (slot.hour < LastHour)
        return {slot.month, slot.day, slot.hour + 1};
    const bool leapDay = slot.month == 2 && slot.day == 28 && next != nullptr && next->month == 2 && next->day == 29;
    if (slot.day < DaysOfMonth[slot.month - 1] || leapDay)
        return {slot.month, slot.day + 1, 1};
    return {slot.month + 1, 1, 1};
}

CoreMessage MissingHour(const std::string& file, const Slot& slot)
{
    return CoreMessage{TextId::WeatherYearMissingHour,
                       "%s: the file has no temperature or absolute humidity for month %s, day %s, hour %s.",
                       {file, std::to_string(slot.month), std::to_string(slot.day), std::to_string(slot.hour)}};
}

bool HasValues(const WeatherHour& hour)
{
    return std::isfinite(hour.temp) && std::isfinite(hour.humRatio);
}

}  // namespace

Outcome<WeatherYear> WeatherYearOf(const WeatherData& weather, const std::string& fileName)
{
    WeatherYear year;
    year.days.reserve(weather.hours.size() / LastHour);
    Slot expected;
    for (std::size_t i = 0; i < weather.hours.size(); ++i) {
        const WeatherHour& hour = weather.hours[i];
        if (Slot{hour.month, hour.day, hour.hour} != expected || !HasValues(hour))
            return MissingHour(fileName, expected);
        if (hour.hour == 1)
            year.days.push_back(WeatherDay{hour.month, hour.day, {}, {}});
        year.days.back().temp[hour.hour - 1] = hour.temp;
        year.days.back().humRatio[hour.hour - 1] = hour.humRatio;
        const bool last = i + 1 == weather.hours.size();
        if (expected == Slot{12, 31, LastHour})
            return last ? Outcome<WeatherYear>(std::move(year)) : MissingHour(fileName, expected);
        expected = Following(expected, last ? nullptr : &weather.hours[i + 1]);
    }
    return MissingHour(fileName, expected);
}

Outcome<WeatherYear> ReadWeatherYear(const std::string& path)
{
    const Outcome<WeatherData> weather = ReadWeatherFile(path);
    if (!weather.ok())
        return weather.message();
    return WeatherYearOf(weather.value(), path);
}
