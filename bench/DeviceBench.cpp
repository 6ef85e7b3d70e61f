// One Calculate of each device class at a winter point: 5000 m³/h each way,
// −10 °C/80 % outdoor air against 22 °C/40 % extract air (for the rotors the
// worked example of the rotor model, a 1500 mm wheel). The counter "allocs"
// must stay 0: a model call allocates nothing.

#include <benchmark/benchmark.h>

#include "bench/AllocationCounter.h"
#include "core/devices/CounterflowPlateExchanger.h"
#include "core/devices/CrossflowPlateExchanger.h"
#include "core/devices/CrossflowPlateModel.h"
#include "core/devices/RotaryExchanger.h"
#include "core/devices/RotaryExchangerX.h"
#include "core/devices/SorptionRotor.h"

namespace {

template <class Data>
void SetWinterPoint(Data& d)
{
    d.Pressure = 1013;
    d.Stream1.Inlet.StdVolFlow = 5000;
    d.Stream1.Inlet.Temp = -10;
    d.Stream1.Inlet.RelHum = 80;
    d.Stream2.Inlet.StdVolFlow = 5000;
    d.Stream2.Inlet.Temp = 22;
    d.Stream2.Inlet.RelHum = 40;
}

template <class Data>
void SetWorkedExample(Data& d)
{
    SetWinterPoint(d);
    d.RotorDiameter = 1500;
}

void SetCrossFlowUnit(TDatenPWT& d, int units)
{
    SetWinterPoint(d);
    d.EdgeLength = 1000;
    d.PackageWidth = 1000;
    d.SpacingIndex = 2;
    d.UnitCount = static_cast<std::uint8_t>(units);
}

template <class Data>
void CalculateRepeatedly(benchmark::State& bench, Data& d)
{
    const std::size_t before = AllocationCount();
    for (auto _ : bench) {
        d.Calculate();
        benchmark::DoNotOptimize(d.Status);
    }
    bench.counters["allocs"] = benchmark::Counter(static_cast<double>(AllocationCount() - before),
                                                  benchmark::Counter::kAvgIterations);
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

void BM_CrossFlowUnit(benchmark::State& bench)
{
    TDatenPWT d;
    SetCrossFlowUnit(d, 1);
    CalculateRepeatedly(bench, d);
}
BENCHMARK(BM_CrossFlowUnit);

void BM_CrossFlowFourInSeries(benchmark::State& bench)
{
    TDatenPWT d;
    SetCrossFlowUnit(d, 4);
    CalculateRepeatedly(bench, d);
    d.Calculate();
    TDatenPWT probe = d;
    bench.counters["passes"] = CalcSeries(probe).passes;
}
BENCHMARK(BM_CrossFlowFourInSeries);

void BM_CounterflowDoubleUnit(benchmark::State& bench)
{
    TDatenGS d;
    SetWinterPoint(d);
    d.GsSize = 2062;
    d.PackageWidth = 1000;
    CalculateRepeatedly(bench, d);
}
BENCHMARK(BM_CounterflowDoubleUnit);

}  // namespace
