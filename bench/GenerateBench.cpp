// A whole build without a window: a synthetic application of 200 business objects with 15 properties each,
// in three projects, run through the generate-code dialog's build with the real engine and the patterns
// created by ProgID from the pattern library.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>
#include <string>

#include "builder/UnattendedInteraction.h"
#include "core/frmCodeGeneration.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/ide/VBE.h"
#include "tests/repository/TestModels.h"

namespace {

std::shared_ptr<core::qelApplication> SyntheticApplication(int businessObjects, int properties) {
    auto application = std::make_shared<core::qelApplication>();
    application->SetName("Synthetic");
    application->SetArchitecture(3);
    application->SetL1ProjectName("SyntheticUI");
    application->SetL2ProjectName("SyntheticBus");
    application->SetL3ProjectName("SyntheticData");
    application->SetDBType("SQL");
    application->SetDSN("Synthetic");
    const char* types[] = {"String", "Long", "Currency", "Date", "Boolean", "Memo", "Double"};
    for (int b = 1; b <= businessObjects; ++b) {
        const std::string name = "Thing" + std::to_string(b);
        const auto businessObject = repository_test::AddBusinessObject(*application, name, name + " Table");
        for (int p = 1; p <= properties; ++p) {
            repository_test::PropertySpec shape{"Field" + std::to_string(p), p == 1 ? "Long" : types[p % 7]};
            shape.IsKey = p == 1;
            repository_test::AddProperty(*application, businessObject, shape);
        }
    }
    return application;
}

void GenerateSyntheticApplication(benchmark::State& state) {
    const auto application = SyntheticApplication(200, 15);
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
