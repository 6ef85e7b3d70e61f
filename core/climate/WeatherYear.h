#pragma once
// The actual weather of a year, day by day: the annual simulation runs every
// day of a weather file with its own hourly temperatures and humidity
// ratios, instead of three typical days per month.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/climate/WeatherFile.h"
#include "core/text/Outcome.h"

// One calendar day of a weather file. Hours run 1..24 (the hour ending at h
// o'clock), hour 1 at index 0.
struct WeatherDay {
    int month = 0;                      // 1..12
    int day = 0;                        // 1..31
    std::array<double, 24> temp{};      // °C
    std::array<double, 24> humRatio{};  // g/kg
};

// Every day of one calendar year, 1 January to 31 December, 29 February when
// the file has it.
struct WeatherYear {
    std::vector<WeatherDay> days;

    std::size_t Hours() const { return days.size() * 24; }
};

// The days of the weather file's hours. The hours must be those of a whole
// calendar year in order, each with a temperature and a humidity ratio: the
// first hour that is missing, or that lacks a value, is named by its month,
// day and hour in the message, after `fileName`. No gap is filled in
// silently.
Outcome<WeatherYear> WeatherYearOf(const WeatherData& weather, const std::string& fileName);

// The weather file at `path` read (ReadWeatherFile) and made a weather year;
// the message of the first step that refuses it.
Outcome<WeatherYear> ReadWeatherYear(const std::string& path);
