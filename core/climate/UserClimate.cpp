// The climate year built from a user climate data set.

#include "core/climate/UserClimate.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace {

using Real = long double;

constexpr Real HoursPerDay = 24;
// Beyond this distance from the minimum time, t is brought into the day with
// one fmod instead of steps of 24 hours.
constexpr Real SteppedDistance = 64 * HoursPerDay;
// Steps of 24 hours are bounded: with times so large that 24 hours vanish in
// their rounding, a step would change nothing and never end.
constexpr int StepLimit = 128;

constexpr std::array<int, 12> DaysOfMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr double NoValue = std::numeric_limits<double>::quiet_NaN();

// x brought into [a, a + 24]: less 24 while above a + 24, plus 24 while below a.
Real IntoDayFrom(Real x, Real a)
{
    if (std::fabs(x - a) > SteppedDistance)
        x = a + std::fmod(x - a, HoursPerDay);
    for (int i = 0; i < StepLimit && x > a + HoursPerDay; ++i)
        x -= HoursPerDay;
    for (int i = 0; i < StepLimit && x < a; ++i)
        x += HoursPerDay;
    return x;
}

// The coefficients of the daily curve: the minimum at a, the maximum at b
// within (a, a + 24], the lengths of the rising (L1) and the falling (L2)
// branch and the curvatures Ma and Mb at the two ends (0 when a branch has
// no length).
struct CurveCoefficients {
    Real a, ya, b, yb, L1, L2, Ma, Mb;
};

CurveCoefficients CoefficientsOf(double minTime, double minTemp, double maxTime, double maxTemp)
{
    CurveCoefficients c{};
    c.a = minTime;
    c.ya = minTemp;
    c.yb = maxTemp;
    // The maximum of the 24 hours after the minimum: within (a, a + 24].
    c.b = IntoDayFrom(maxTime, c.a);
    if (c.b == c.a)
        c.b += HoursPerDay;
    c.L1 = c.b - c.a;
    c.L2 = c.a + HoursPerDay - c.b;
    // Without two branches there is no curve; no division by zero either.
    if (!(c.L1 > 0) || !(c.L2 > 0))
        return c;
    c.Mb = Real(0.25) * (c.ya - c.yb) * (1 / c.L1 + 1 / c.L2);
    c.Ma = (c.ya - c.yb) / (12 * c.L1) - c.Mb;
    return c;
}

CoreMessage NoSuchFile(int fileIndex)
{
    return CoreMessage{TextId::None, "There is no user climate file number %s.", {std::to_string(fileIndex + 1)}};
}

CoreMessage NoCurve(const std::string& path)
{
    return CoreMessage{TextId::InvalidFileFormat, "%s\n\r\n\rInvalid file format", {path}};
}

}  // namespace

double DailyTemperature(double t, double minTime, double minTemp, double maxTime, double maxTemp)
{
    if (!std::isfinite(t) || !std::isfinite(minTime) || !std::isfinite(minTemp) || !std::isfinite(maxTime) ||
        !std::isfinite(maxTemp))
        return NoValue;

    const auto [a, ya, b, yb, L1, L2, Ma, Mb] = CoefficientsOf(minTime, minTemp, maxTime, maxTemp);
    if (!(L1 > 0) || !(L2 > 0))
        return NoValue;

    const Real x = IntoDayFrom(t, a);
    Real T;
    if (x < b) {
        T = Ma * (b - x) * (b - x) * (b - x) / (6 * L1) + Mb * (x - a) * (x - a) * (x - a) / (6 * L1) +
            (yb / L1 - Mb * L1 / 6) * (x - a) + (ya / L1 - Ma * L1 / 6) * (b - x);
    } else {
        const Real e = a + HoursPerDay - x;
        T = Mb * e * e * e / (6 * L2) + Ma * (x - b) * (x - b) * (x - b) / (6 * L2) +
            (ya / L2 - Ma * L2 / 6) * (x - b) + (yb / L2 - Mb * L2 / 6) * e;
    }
    // Out of the range of a double the conversion would be undefined.
    if (!std::isfinite(T) || std::fabs(T) > DBL_MAX)
        return NoValue;
    return static_cast<double>(T);
}

DailyCurveRange DailyTemperatureRange(double minTime, double minTemp, double maxTime, double maxTemp)
{
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    bool number = true;
    const auto take = [&](Real t) {
        const double T = DailyTemperature(static_cast<double>(t), minTime, minTemp, maxTime, maxTemp);
        number = number && !std::isnan(T);
        lowest = std::min(lowest, T);
        highest = std::max(highest, T);
    };
    for (int h = 1; h <= 24; ++h)
        take(h);
    if (!number)
        return {NoValue, NoValue};

    // Where the curve turns: the zeros of its slope inside either branch.
    const auto [a, ya, b, yb, L1, L2, Ma, Mb] = CoefficientsOf(minTime, minTemp, maxTime, maxTemp);
    // The rising branch from a over u = t − a in (0, L1) and the falling one
    // from b over s = t − b in (0, L2) have the slopes
    //   (Mb − Ma) / (2 L1) u² + Ma u + (yb − ya) / L1 − (Mb − Ma) L1 / 6 − Ma L1 / 2,
    //   (Ma − Mb) / (2 L2) s² + Mb s + (ya − yb) / L2 − (Ma − Mb) L2 / 6 − Mb L2 / 2.
    const auto turningPoints = [&](Real from, Real length, Real Mfrom, Real Mto, Real yFrom, Real yTo) {
        const Real A = (Mto - Mfrom) / (2 * length);
        const Real B = Mfrom;
        const Real C = (yTo - yFrom) / length - (Mto - Mfrom) * length / 6 - Mfrom * length / 2;
        const auto inside = [&](Real x) {
            if (std::isfinite(x) && x > 0 && x < length)
                take(from + x);
        };
        if (A == 0) {
            if (B != 0)
                inside(-C / B);
            return;
        }
        const Real discriminant = B * B - 4 * A * C;
        if (!(discriminant >= 0))
            return;
        // The root of the larger magnitude first, the other from the
        // product of the roots: no cancellation.
        const Real q = -(B + std::copysign(std::sqrt(discriminant), B)) / 2;
        inside(q / A);
        if (q != 0)
            inside(C / q);
    };
    turningPoints(a, L1, Ma, Mb, ya, yb);
    turningPoints(b, L2, Mb, Ma, yb, ya);
    if (!number)
        return {NoValue, NoValue};
    return {lowest, highest};
}

bool IsDailyCurveNearItsExtremes(double minTime, double minTemp, double maxTime, double maxTemp)
{
    const DailyCurveRange range = DailyTemperatureRange(minTime, minTemp, maxTime, maxTemp);
    const double low = std::min(minTemp, maxTemp) - DailyCurveMargin;
    const double high = std::max(minTemp, maxTemp) + DailyCurveMargin;
    // False for NaN as well.
    return range.lowest >= low && range.highest <= high;
}

int FirstMonthOfRunawayCurve(const ClimateRecord& r)
{
    for (std::size_t i = 0; i < 12; ++i) {
        const bool curve = !std::isnan(
            DailyTemperatureRange(r.MinTime[i], r.MinTemp[i], r.MaxTime[i], r.MaxTemp[i]).lowest);
        if (curve && !IsDailyCurveNearItsExtremes(r.MinTime[i], r.MinTemp[i], r.MaxTime[i], r.MaxTemp[i]))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

ClimateYear ClimateYearOfRecord(const ClimateRecord& r)
{
    ClimateYear year;
    for (int m = 1; m <= 12; ++m) {
        const auto i = static_cast<std::size_t>(m - 1);
        year.Days(1, m) = DaysOfMonth[i];
        for (int d = 1; d <= 3; ++d) {
            year.HumRatio(d, m) = r.HumRatio[i];
            for (int h = 1; h <= 24; ++h)
                year.Temp(d, h, m) = DailyTemperature(h, r.MinTime[i], r.MinTemp[i], r.MaxTime[i], r.MaxTemp[i]);
        }
    }
    return year;
}

Outcome<ClimateRecord> ReadUserClimate(const ClimateFileLists& lists, int fileIndex)
{
    if (fileIndex < 0 || static_cast<std::size_t>(fileIndex) >= lists.ClimateFileList.size())
        return NoSuchFile(fileIndex);
    return ReadClimateFile(lists.ClimateFileList[static_cast<std::size_t>(fileIndex)]);
}

Outcome<ClimateYear> LoadUserClimate(const ClimateFileLists& lists, int fileIndex)
{
    const Outcome<ClimateRecord> read = ReadUserClimate(lists, fileIndex);
    if (!read.ok())
        return read.message();
    ClimateYear year = ClimateYearOfRecord(read.value());
    if (!std::all_of(year.OutdoorTemp.begin(), year.OutdoorTemp.end(), [](double v) { return std::isfinite(v); }))
        return NoCurve(lists.ClimateFileList[static_cast<std::size_t>(fileIndex)]);
    return year;
}
