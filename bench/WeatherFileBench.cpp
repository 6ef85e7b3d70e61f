// A full EPW year from memory: reading it and deriving its typical days (the
// work of one import of a site's weather file), and the annual simulation of
// its actual year.

#include <cmath>
#include <string>
#include <variant>

#include <benchmark/benchmark.h>

#include "core/climate/AnnualSimulation.h"
#include "core/climate/WeatherFile.h"
#include "core/climate/WeatherYear.h"

namespace {

constexpr int DaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A typical year of 8760 hours with a yearly and a daily sine course.
std::string EpwYear()
{
    std::string text = "LOCATION,Sample Town,-,Neverland,TMY,000000,48.0,11.0,1.0,520.0\r\n";
    for (int line = 0; line < 7; ++line)
        text += "HEADER,-\r\n";
    const double pi = std::acos(-1.0);
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysOfMonth[month - 1]; ++day) {
            for (int hour = 1; hour <= 24; ++hour) {
                const double t = 10 - 8 * std::cos(2 * pi * (month - 1) / 12) + 5 * std::sin(2 * pi * (hour - 9) / 24);
                text += "2001," + std::to_string(month) + ',' + std::to_string(day) + ',' + std::to_string(hour) +
                        ",60,A7A7," + std::to_string(t) + ',' + std::to_string(t - 5) + ",70,95000";
                for (int field = 11; field <= 35; ++field)
                    text += ",0";
                text += "\r\n";
            }
        }
    }
    return text;
}

void BM_ReadAndDeriveEpwYear(benchmark::State& bench)
{
    const std::string text = EpwYear();
    for (auto _ : bench) {
        const Outcome<WeatherData> weather = ParseWeatherText(text, "site.epw");
        if (!weather.ok()) {
            bench.SkipWithError("the weather file was refused");
            break;
        }
        const Outcome<ClimateRecord> record = TypicalDaysOf(weather.value());
        if (!record.ok()) {
            bench.SkipWithError("the typical days were refused");
            break;
        }
        benchmark::DoNotOptimize(record.value());
    }
}
BENCHMARK(BM_ReadAndDeriveEpwYear)->Unit(benchmark::kMillisecond);

// 8760 operating points of the inputs of a first start (rotary exchanger).
void BM_ActualYearDefaultRotary(benchmark::State& bench)
{
    const Outcome<WeatherData> weather = ParseWeatherText(EpwYear(), "site.epw");
    const Outcome<WeatherYear> year = weather.ok() ? WeatherYearOf(weather.value(), "site.epw")
                                                   : Outcome<WeatherYear>(weather.message());
    if (!year.ok()) {
        bench.SkipWithError("the weather year was refused");
        return;
    }
    for (auto _ : bench) {
        SimulationOutcome outcome = SimulateYear(CalcInputs{}, year.value(), {});
        if (!std::holds_alternative<AnnualResults>(outcome)) {
            bench.SkipWithError("the simulation failed");
            break;
        }
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_ActualYearDefaultRotary)->Unit(benchmark::kMillisecond);

}  // namespace
