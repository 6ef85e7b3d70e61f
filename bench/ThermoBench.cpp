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
