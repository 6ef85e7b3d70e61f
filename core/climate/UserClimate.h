#pragma once
// The climate year of a user climate data set: every day of a month is the
// same day, a smooth curve through the month's mean daily minimum and
// maximum.

#include "core/climate/ClimateFile.h"
#include "core/climate/ClimateFileLists.h"
#include "core/climate/ClimateYear.h"
#include "core/text/Outcome.h"

// The daily temperature curve at hour t: a cubic curve through the points
// (minTime, minTemp) and (maxTime, maxTemp), repeated every 24 hours. It rises
// from the minimum to the maximum over L1 = maxTime − minTime hours and falls
// back over L2 = minTime + 24 − maxTime hours; the arithmetic runs in extended
// precision.
//
// A maximum earlier in the day than the minimum is the maximum of the
// following day (maxTime + 24), so the curve passes through both points
// whatever their order. Any t counts modulo 24 hours, without stepping day
// by day through a huge t.
//
// No number (a quiet NaN, no floating-point flag raised) when an argument is
// not finite, when minimum and maximum fall on the same time of day (L1 or L2
// would be 0) or when the curve leaves the range of a double (two times a
// tiny fraction of a second apart). IsUsableClimateRecord keeps the first two
// out of a climate year.
double DailyTemperature(double t, double minTime, double minTemp, double maxTime, double maxTemp);

// The lowest and the highest temperature of the daily curve: at the 24 full
// hours the simulation samples and at the turning points of the curve
// between them, each computed by DailyTemperature. Both NaN when the curve
// gives no number there.
struct DailyCurveRange {
    double lowest;
    double highest;
};
DailyCurveRange DailyTemperatureRange(double minTime, double minTemp, double maxTime, double maxTemp);

// How far the daily curve may pass beyond the lower and the higher of its two
// temperatures, in K.
inline constexpr double DailyCurveMargin = 5;

// True when the whole daily curve stays within the lower of the two
// temperatures − 5 K and the higher + 5 K. With minimum and maximum only a
// few hours apart the long branch of the cubic swings far past both (15.6 °C
// at 5:00 and 28.8 °C at 5:30 give 132 °C at noon); such a curve describes
// no climate.
bool IsDailyCurveNearItsExtremes(double minTime, double minTemp, double maxTime, double maxTemp);

// The first month (1 … 12) of the record that has a daily curve and whose
// curve is not near its extremes (IsDailyCurveNearItsExtremes); 0 when there
// is none. A month without a curve (a number that is not finite, minimum and
// maximum at the same time) is left to IsUsableClimateRecord.
int FirstMonthOfRunawayCurve(const ClimateRecord& record);

// The climate year of a record: all days of a month belong to day type 1
// (31, 28, 31, 30, … days; day types 2 and 3 have none), the same humidity
// ratio and the same 24 hourly temperatures DailyTemperature(h, …) for hours
// 1 … 24 in all three day types. Expects a usable record
// (IsUsableClimateRecord); the temperatures of a month that is not are NaN.
ClimateYear ClimateYearOfRecord(const ClimateRecord& record);

// Reads the file at fileIndex (0-based) of the list with ReadClimateFile. An
// index outside the list or a file that cannot be read gives a message.
Outcome<ClimateRecord> ReadUserClimate(const ClimateFileLists& lists, int fileIndex);

// Reads the file at fileIndex (0-based) of the list with ReadUserClimate and
// derives its climate year. An index outside the list, a file that cannot be
// read or a year with a temperature that is not a number gives a message.
Outcome<ClimateYear> LoadUserClimate(const ClimateFileLists& lists, int fileIndex);
