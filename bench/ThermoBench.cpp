// Speed of the moist-air functions that the annual simulation calls for every
// operating point.

#include <benchmark/benchmark.h>

#include "core/thermo/AirState.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

void BM_CompleteAirStateTempRelHum(benchmark::State& bench)
{
    for (auto _ : bench) {
        MoistAirState state;
        state.Temp = 20;
        state.RelHum = 50;
        CompleteAirState(StateInputMode::TempRelHum, state, 1013);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(BM_CompleteAirStateTempRelHum);

// The completion as the year and the units of a series ask for it: without
// the dew point and the wet bulb temperature, which they never read.
void BM_CompleteAirStateTempHumRatioForTheYear(benchmark::State& bench)
{
    for (auto _ : bench) {
        MoistAirState state;
        state.Temp = 20;
        state.HumRatio = 7.258;
        CompleteAirState(StateInputMode::TempHumRatio, state, 1013, StateFields::WithoutDewPointAndWetBulb);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(BM_CompleteAirStateTempHumRatioForTheYear);

void BM_DewPointOf(benchmark::State& bench)
{
    double x = 7.258;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(DewPointOf(x, 1013));
    }
}
BENCHMARK(BM_DewPointOf);

void BM_WetBulb(benchmark::State& bench)
{
    double t = 20;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(IsenthalpicTemp(t, 7.258, 1013, 100));
    }
}
BENCHMARK(BM_WetBulb);

}  // namespace
