// One Calculate of each rotary exchanger class on the worked example of the
// rotor model (1500 mm wheel, 5000 m³/h each way, −10 °C/80 % against
// 22 °C/40 %). The counter "allocs" must stay 0: a model call allocates nothing.

#include <benchmark/benchmark.h>

#include "bench/AllocationCounter.h"
#include "devices/TDatenRWT.h"
#include "devices/TDatenRWT_X.h"
#include "devices/TDatenZEPRA_2000.h"

namespace {

template <class Data>
void SetWorkedExample(Data& d)
{
    d.Pressure = 1013;
    d.RotorDiameter = 1500;
    d.Stream1.Inlet.StdVolFlow = 5000;
    d.Stream1.Inlet.Temp = -10;
    d.Stream1.Inlet.RelHum = 80;
    d.Stream2.Inlet.StdVolFlow = 5000;
    d.Stream2.Inlet.Temp = 22;
    d.Stream2.Inlet.RelHum = 40;
}

template <class Data>
void CalculateRepeatedly(benchmark::State& bench, Data& d)
{
    const std::size_t before = AllocationCount();
    for (auto _ : bench) {
        d.Calculate();
        benchmark::DoNotOptimize(d.Status);
    }
    bench.counters["allocs"] =
        benchmark::Counter(static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
    if (d.Status != 0)
        bench.SkipWithError("the calculation failed");
}

void BM_RotorModel(benchmark::State& bench)
{
    TDatenRWT d;
    SetWorkedExample(d);
    d.RotorType = 0;
    CalculateRepeatedly(bench, d);
}
BENCHMARK(BM_RotorModel);

void BM_RotorModelX(benchmark::State& bench)
{
    TDatenRWT_X d;
    SetWorkedExample(d);
    d.RotorType = 5;
    CalculateRepeatedly(bench, d);
}
BENCHMARK(BM_RotorModelX);

void BM_SorptionRotor(benchmark::State& bench)
{
    TDatenZEPRA_2000 d;
    SetWorkedExample(d);
    d.RotorType = 5;
    d.OperatingMode = 1;
    d.RotorDepth = 250;
    d.FoilThickness = 0.114;
    d.WaveHeight = 2.0;
    CalculateRepeatedly(bench, d);
}
BENCHMARK(BM_SorptionRotor);

}  // namespace
