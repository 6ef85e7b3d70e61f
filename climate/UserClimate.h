#pragma once
// The climate year of a user climate data set: every day of a month is the
// same day, a smooth curve through the month's mean daily minimum and
// maximum.

#include "climate/ClimateFile.h"
#include "climate/ClimateFileLists.h"
#include "climate/ClimateYear.h"
#include "ui/CoreMessage.h"

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

// The climate year of a record: all days of a month belong to day type 1
// (31, 28, 31, 30, … days; day types 2 and 3 have none), the same humidity
// ratio and the same 24 hourly temperatures DailyTemperature(h, …) for hours
// 1 … 24 in all three day types. Expects a usable record
// (IsUsableClimateRecord); the temperatures of a month that is not are NaN.
ClimateYear ClimateYearOfRecord(const ClimateRecord& record);

// Reads the file at fileIndex (0-based) of the list with ReadClimateFile and
// derives its climate year. An index outside the list, a file that cannot be
// read or a year with a temperature that is not a number gives a message.
Outcome<ClimateYear> LoadUserClimate(const ClimateFileLists& lists, int fileIndex);
