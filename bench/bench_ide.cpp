// Saving and reopening a project group of 500 components holding one million code lines in all.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/LoadAverageReporter.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"

namespace {

namespace fs = std::filesystem;

constexpr int kComponents = 500;
constexpr int kLinesPerComponent = 2000;

std::shared_ptr<vbide::VBE> LargeGroup() {
    auto vbe = std::make_shared<vbide::VBE>();
    auto project = vbe->VBProjects().Add(vbide::vbext_pt_ActiveXDll);
    for (int i = 0; i < kComponents; ++i) {
        auto component =
            project->VBComponents().Add(i % 2 == 0 ? vbide::vbext_ct_ClassModule : vbide::vbext_ct_StdModule);
        auto code = component->CodeModule();
        for (int line = 1; line <= kLinesPerComponent; ++line) {
            code->InsertLines(line, "    mstrValue = mstrValue & \"line " + std::to_string(line) + "\"");
        }
    }
    return vbe;
}

fs::path BenchFolder() {
    return fs::temp_directory_path() / "bench_ide";
}

void BM_SaveGroup(benchmark::State& state) {
    auto vbe = LargeGroup();
    fs::remove_all(BenchFolder());
    for (auto _ : state)
        vbide::SaveProjectGroup(*vbe, BenchFolder() / "Large.vbg");
    fs::remove_all(BenchFolder());
}
BENCHMARK(BM_SaveGroup)->Unit(benchmark::kMillisecond);

void BM_OpenGroup(benchmark::State& state) {
    fs::remove_all(BenchFolder());
    vbide::SaveProjectGroup(*LargeGroup(), BenchFolder() / "Large.vbg");
    auto vbe = std::make_shared<vbide::VBE>();
    for (auto _ : state)
        vbide::OpenProjectGroup(*vbe, BenchFolder() / "Large.vbg");
    fs::remove_all(BenchFolder());
}
BENCHMARK(BM_OpenGroup)->Unit(benchmark::kMillisecond);

void BM_AppendLines(benchmark::State& state) {
    for (auto _ : state) {
        vbide::CodeModule module(std::make_shared<vbide::ChangeCounter>());
        for (int line = 1; line <= 1000000; ++line)
            module.InsertLines(line, "    Dim x As Long");
        benchmark::DoNotOptimize(module.CountOfLines());
    }
}
BENCHMARK(BM_AppendLines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunWithLoadAverage(argc, argv);
}
