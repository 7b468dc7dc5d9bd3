// The engine's two hot paths: writing token lines into one module, and regenerating a large component
// that holds many edit points (time per line must not grow with the component).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchPattern.h"
#include "core/qelApplication.h"
#include "core/qelBusinessObject.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/automation/CreateObject.h"
#include "platform/ide/VBE.h"
#include "platform/ui/ScriptedInteraction.h"

namespace {

// Runs `body` inside one BuildPattern on a fresh IDE.
void WithEngine(bool keepEditPoints, const std::function<void(typelib::IConstructor&, vbide::VBE&)>& body) {
    static const std::filesystem::path folder = [] {
        const auto path =
            std::filesystem::temp_directory_path() / ("ostrel-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path / "classes");
        std::filesystem::create_directories(path / "tmp");
        automation::RegisterLibrary(BENCH_PATTERNS_LIBRARY, path / "classes");
        ::setenv("OSTREL_CLASS_REGISTRY", (path / "classes").c_str(), 1);
        ::setenv("TMPDIR", (path / "tmp").c_str(), 1);
        return path;
    }();
    static ui::ScriptedInteraction script;
    static ui::ScopedInteraction installed(script);
    auto application = std::make_shared<core::qelApplication>();
    application->SetIsRestoreAll(keepEditPoints);
    application->SetIsDiscardAll(!keepEditPoints);
    auto businessObject = std::make_shared<core::qelBusinessObject>();
    businessObject->SetName("Order");
    auto engine = std::make_shared<core::qelConstructor>();
    auto vbe = std::make_shared<vbide::VBE>();
    benchpatterns::SetBody([&](typelib::IConstructor& constructor) { body(constructor, *vbe); });
    engine->BuildPattern(vbe, application, businessObject, "Bench.Pattern",
                         std::make_shared<core::qelToolProperties>());
    benchpatterns::SetBody(nullptr);
    (void)folder;
}

void BM_CodeLinesWithTwoTokens(benchmark::State& state) {
    const int64_t lines = state.range(0);
    WithEngine(false, [&](typelib::IConstructor& engine, vbide::VBE&) {
        engine.SetVBProject("Sales", "2");
        for (auto _ : state) {
            state.PauseTiming();
            engine.SetVBComponent("Sales", "Order", 1, "");
            engine.StartCoding();
            state.ResumeTiming();
            for (int64_t i = 0; i < lines; ++i)
                engine.Code("    mudtProps.&PropName = &PropConvertFunction(vntValue) ' keep");
            state.PauseTiming();
            engine.FinishCoding();
            state.ResumeTiming();
        }
    });
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_CodeLinesWithTwoTokens)->Arg(100000)->Unit(benchmark::kMillisecond);

// A component of `lines` lines with one edit point holding a developer's line every ten lines.
std::vector<std::string> ComponentWithEditPoints(int64_t lines, bool withDevelopersCode) {
    std::vector<std::string> code;
    for (int64_t i = 0; code.size() < static_cast<size_t>(lines); ++i) {
        const std::string name = "Property Let - " + std::to_string(i);
        code.push_back("'<<<Start Edit Point: " + name);
        code.push_back(withDevelopersCode ? "    mine = " + std::to_string(i) : "'|||generated");
        code.push_back("'>>>End Edit Point: " + name);
        for (int k = 0; k < 7; ++k)
            code.push_back("    generated line " + std::to_string(k));
    }
    return code;
}

void BM_RegenerateWithEditPoints(benchmark::State& state) {
    const int64_t lines = state.range(0);
    const auto existing = ComponentWithEditPoints(lines, true);
    const auto regenerated = ComponentWithEditPoints(lines, false);
    WithEngine(true, [&](typelib::IConstructor& engine, vbide::VBE& vbe) {
        engine.SetVBProject("Sales", "2");
        engine.SetVBComponent("Sales", "Order", 1, "");
        engine.FinishCoding();
        const auto project = vbe.VBProjects().Item(1);
        const auto file = std::filesystem::temp_directory_path() / "Order.cls";
        for (auto _ : state) {
            state.PauseTiming();
            const auto order = project->VBComponents().Item("Order");
            order->CodeModule()->SetAllLines(existing);
            order->SaveAs(file);
            state.ResumeTiming();
            engine.SetVBComponent("Sales", "Order", 1, "");
            engine.StartCoding();
            for (const auto& line : regenerated)
                engine.Code(line);
            engine.FinishCoding();
        }
    });
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_RegenerateWithEditPoints)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// Passes the runs on to the console and keeps the token-line rate for the target check.
class TargetReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto rate = run.counters.find("items_per_second");
            if (run.run_name.function_name == "BM_CodeLinesWithTwoTokens" && rate != run.counters.end())
                mTokenLines = rate->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::optional<double> TokenLines() const { return mTokenLines; }

  private:
    std::optional<double> mTokenLines;
};

constexpr double kTargetTokenLinesPerSecond = 5'000'000;

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    // A filter that leaves the token lines out has no figure to check.
    if (!reporter.TokenLines())
        return 0;
    std::printf("token lines per second: %.0f (target %.0f)\n", *reporter.TokenLines(),
                kTargetTokenLinesPerSecond);
    return *reporter.TokenLines() >= kTargetTokenLinesPerSecond ? 0 : 1;
}
