// A whole build without a window: a synthetic application of 200 business objects with 15 properties each,
// in three projects, run through the generate-code dialog's build with the real engine and the patterns
// created by ProgID from the pattern library.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>

#include "bench/SyntheticApplication.h"
#include "bench/UnattendedBuild.h"

namespace {

void GenerateSyntheticApplication(benchmark::State& state) {
    const auto application = bench::SyntheticApplication(200, 15);
    for (auto _ : state) {
        const auto failures = bench::BuildUnattended(std::make_shared<vbide::VBE>(), application);
        if (!failures.empty())
            state.SkipWithError(failures.front().c_str());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["max_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(GenerateSyntheticApplication)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
