#pragma once
// Hourly weather files (EnergyPlus weather files and the German test
// reference years) and the typical days of each month derived from them, so
// that a site's own weather becomes a climate data set in one step.

#include <string>
#include <string_view>
#include <vector>

#include "core/climate/ClimateFile.h"
#include "core/text/Outcome.h"

// One hour of a weather file, in the calculation's units. A value the file
// marks as missing, or that cannot be derived, is NaN.
struct WeatherHour {
    int month = 0;                // 1..12
    int day = 0;                  // 1..31
    int hour = 0;                 // 1..24: the hour ending at that full hour
    double temp = 0;              // dry-bulb air temperature, °C
    double humRatio = 0;          // humidity ratio, g/kg
};

// The hours of a weather file in file order, and the description of its site.
struct WeatherData {
    // EPW "city, state, country" (empty parts and "-" left out), TRY the file
    // name without its extension; cut to 50 bytes on a character boundary
    // (CutClimateName).
    std::string name;
    std::vector<WeatherHour> hours;
};

// The largest weather file read: a year of hourly lines is a few megabytes.
inline constexpr std::size_t LargestWeatherFile = 16 * 1024 * 1024;

// Reads the weather file at `path`, EPW or TRY told apart by their contents.
// A file that cannot be read, is larger than LargestWeatherFile or is no
// weather file of either kind gives a message naming the file (and the line
// where one is at fault); never a partial result.
Outcome<WeatherData> ReadWeatherFile(const std::string& path);

// The same for contents already in memory; `fileName` names the file in
// messages and gives a TRY file its name.
Outcome<WeatherData> ParseWeatherText(std::string_view contents, const std::string& fileName);

// The typical days of each month: mean humidity ratio, mean daily minimum and
// maximum temperature and the hours of the lowest and highest mean
// temperature. A month without data or without a daily course gives a
// message naming the month.
Outcome<ClimateRecord> TypicalDaysOf(const WeatherData& weather);
