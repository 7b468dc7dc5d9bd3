// A whole build without a window: a synthetic application of 200 business objects with 15 properties each,
// in three projects, run through the generate-code dialog's build with the real engine and the patterns
// created by ProgID from the pattern library.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>
#include <string>

#include "bench/SyntheticApplication.h"
#include "builder/UnattendedInteraction.h"
#include "core/frmCodeGeneration.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/ide/VBE.h"

namespace {

void GenerateSyntheticApplication(benchmark::State& state) {
    const auto application = bench::SyntheticApplication(200, 15);
    for (auto _ : state) {
        builder::UnattendedInteraction interaction(false);
        ui::ScopedInteraction installed(interaction);
        core::frmCodeGeneration form([] { return std::make_shared<core::qelConstructor>(); });
        form.SetVBInstance(std::make_shared<vbide::VBE>());
        form.SetApplication(application);
        form.SetToolProperties(std::make_shared<core::qelToolProperties>());
        form.Show();
        form.SetAllForms(false);
        form.cmdGenerate_Click();
        if (!interaction.Failures().empty())
            state.SkipWithError(interaction.Failures().front().c_str());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["max_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(GenerateSyntheticApplication)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
