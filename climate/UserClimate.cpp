#include "climate/UserClimate.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <variant>

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

CoreMessage NoSuchFile(int fileIndex)
{
    return CoreMessage{0, "There is no user climate file number %s.", {std::to_string(fileIndex + 1)}};
}

CoreMessage NoCurve(const std::string& path)
{
    return CoreMessage{318, "%s\n\r\n\rInvalid file format", {path}};
}

}  // namespace

double DailyTemperature(double t, double minTime, double minTemp, double maxTime, double maxTemp)
{
    if (!std::isfinite(t) || !std::isfinite(minTime) || !std::isfinite(minTemp) || !std::isfinite(maxTime) ||
        !std::isfinite(maxTemp))
        return NoValue;

    const Real a = minTime;
    const Real ya = minTemp;
    const Real yb = maxTemp;
    // The maximum of the 24 hours after the minimum: within (a, a + 24].
    Real b = IntoDayFrom(maxTime, a);
    if (b == a)
        b += HoursPerDay;

    const Real L1 = b - a;
    const Real L2 = a + HoursPerDay - b;
    if (!(L1 > 0) || !(L2 > 0))
        return NoValue;

    const Real Mb = Real(0.25) * (ya - yb) * (1 / L1 + 1 / L2);
    const Real Ma = (ya - yb) / (12 * L1) - Mb;

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

ClimateYear ClimateYearOfRecord(const ClimateRecord& r)
{
    ClimateYear year;
    for (int m = 1; m <= 12; ++m) {
        const auto i = static_cast<std::size_t>(m - 1);
        year.Days(m, 1) = DaysOfMonth[i];
        for (int d = 1; d <= 3; ++d) {
            year.HumRatio(d, m) = r.HumRatio[i];
            for (int h = 1; h <= 24; ++h)
                year.Temp(d, h, m) = DailyTemperature(h, r.MinTime[i], r.MinTemp[i], r.MaxTime[i], r.MaxTemp[i]);
        }
    }
    return year;
}

Outcome<ClimateYear> LoadUserClimate(const ClimateFileLists& lists, int fileIndex)
{
    if (fileIndex < 0 || static_cast<std::size_t>(fileIndex) >= lists.ClimateFileList.size())
        return NoSuchFile(fileIndex);
    const std::string& path = lists.ClimateFileList[static_cast<std::size_t>(fileIndex)];
    auto read = ReadClimateFile(path);
    if (auto* message = std::get_if<CoreMessage>(&read))
        return std::move(*message);
    ClimateYear year = ClimateYearOfRecord(std::get<ClimateRecord>(read));
    if (!std::all_of(year.OutdoorTemp.begin(), year.OutdoorTemp.end(), [](double v) { return std::isfinite(v); }))
        return NoCurve(path);
    return year;
}
