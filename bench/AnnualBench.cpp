// One annual simulation (864 operating points) on the built-in climate zone 2:
// the inputs of a first start (rotary exchanger), a cross-flow exchanger of
// four units in series, and a counterflow double unit.

#include <variant>

#include <benchmark/benchmark.h>

#include "core/climate/AnnualSimulation.h"
#include "core/climate/ClimateZones.h"

namespace {

void SimulateRepeatedly(benchmark::State& bench, const CalcInputs& inputs)
{
    const Outcome<ClimateYear> climate = LoadBuiltInClimate(2);
    const ClimateYear& year = climate.value();
    for (auto _ : bench) {
        SimulationOutcome outcome = SimulateYear(inputs, year, {});
        if (!std::holds_alternative<AnnualResults>(outcome)) {
            bench.SkipWithError("the simulation failed");
            break;
        }
        benchmark::DoNotOptimize(outcome);
    }
}

void BM_AnnualDefaultRotary(benchmark::State& bench)
{
    SimulateRepeatedly(bench, CalcInputs{});
}
BENCHMARK(BM_AnnualDefaultRotary)->Unit(benchmark::kMillisecond);

void BM_AnnualCrossFlowFourInSeries(benchmark::State& bench)
{
    CalcInputs in;
    in.DeviceType = DeviceKind::CrossFlowPlate;
    in.PlateEdge = 1000;
    in.PlateWidth = 1200;
    in.PlateSpacingCode = 2;
    in.SeriesCount = 4;
    SimulateRepeatedly(bench, in);
}
BENCHMARK(BM_AnnualCrossFlowFourInSeries)->Unit(benchmark::kMillisecond);

void BM_AnnualCounterflowDoubleUnit(benchmark::State& bench)
{
    CalcInputs in;
    in.DeviceType = DeviceKind::CounterflowPlate;
    in.GSSize = 2062;
    in.GSWidth = 1000;
    SimulateRepeatedly(bench, in);
}
BENCHMARK(BM_AnnualCounterflowDoubleUnit)->Unit(benchmark::kMillisecond);

}  // namespace
