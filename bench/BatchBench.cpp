// A batch of 200 default years through wrgcalc calculate --batch, one line at
// a time and two at once (wall-clock time: the work runs on several threads).
// The answers must be the same either way.

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include "cli/CalculateCommand.h"

namespace {

void BM_BatchOfDefaultYears(benchmark::State& bench)
{
    // An empty settings file: the inputs of a first start.
    const std::string settings = "/tmp/wrgbench-batch-" + std::to_string(::getpid()) + ".ini";
    std::ofstream(settings).close();
    CalculateOptions options;
    options.settingsPath = settings;
    options.batch = true;
    options.jobs = static_cast<int>(bench.range(0));
    std::string lines;
    for (int i = 0; i < 200; ++i)
        lines += "{}\n";
    for (auto _ : bench) {
        std::istringstream in(lines);
        std::ostringstream out, err;
        if (RunCalculate(options, in, out, err) != 0) {
            bench.SkipWithError("a line failed");
            break;
        }
        benchmark::DoNotOptimize(out);
    }
    std::remove(settings.c_str());
}
BENCHMARK(BM_BatchOfDefaultYears)->Arg(1)->Arg(2)->ArgName("jobs")->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
