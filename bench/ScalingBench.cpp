// Generation must grow with the application, not faster: the synthetic application at 200 and at 1000
// business objects (15 properties each, three projects, no forms), each built through the real engine and
// the patterns and saved as a project group, each in a process of its own so that its peak memory is its
// own, each size measured five times and its fastest run kept. Prints each size's figures beside its
// targets and the machine's load average, and the ratio of the two times; exits 1 when a build fails, a
// peak memory or the ratio misses its target. Each size's time stands beside its old target for reading:
// only a fast machine meets it, while the ratio holds on any.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/Fastest.h"
#include "bench/InChildProcess.h"
#include "bench/LoadAverage.h"
#include "bench/SyntheticApplication.h"
#include "bench/UnattendedBuild.h"
#include "platform/ide/ProjectFiles.h"

namespace {

struct Run {
    int businessObjects;
    double oldTargetSeconds;
    double targetMegabytes;
};

struct Figures {
    long lines = 0;
    double codeMegabytes = 0;
    double buildSeconds = 0;
    double saveSeconds = 0;
    // Of the save: on the processor in our code, on it in the kernel, and off it (the flushes waiting for
    // the disk, or other processes' turn).
    double saveUserSeconds = 0;
    double saveKernelSeconds = 0;
    double saveWaitSeconds = 0;
    double megabytes = 0;
    bool failed = true;
    // What the targets judge: the time the save spends waiting for the disk is printed beside them.
    double Seconds() const { return buildSeconds + saveSeconds - saveWaitSeconds; }
};

// Where repeat `repeat` of a run of the benchmark process `benchmark` saves: a memory-backed folder where
// there is one, so that the figure is our code's and not the disk's (on an ext4 without a journal, creating
// a file scans the inodes removed in the last half minute, which alone can take a millisecond a file). Each
// repeat saves a new group into a folder of its own; the folders are removed once every run is done, so
// that no run creates files among ones another just removed.
std::filesystem::path FolderOf(const Run& run, int repeat, pid_t benchmark) {
    const std::filesystem::path memory = "/dev/shm";
    std::error_code error;
    const auto root =
        std::filesystem::is_directory(memory, error) ? memory : std::filesystem::temp_directory_path();
    return root / ("ostrel-scaling-" + std::to_string(benchmark) + "-" + std::to_string(run.businessObjects) +
                   "-" + std::to_string(repeat));
}

void CountCode(const vbide::VBE& vbe, Figures& figures) {
    size_t bytes = 0;
    for (const auto& project : vbe.VBProjects()) {
        for (const auto& component : project->VBComponents()) {
            const auto& code = *component->CodeModule();
            figures.lines += code.CountOfLines();
            for (int32_t line = 1; line <= code.CountOfLines(); ++line)
                bytes += code.Line(line).size() + 2;
        }
    }
    figures.codeMegabytes = static_cast<double>(bytes) / (1024.0 * 1024.0);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

rusage Usage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

// Builds and saves (in a child process).
Figures Measure(const Run& run, int repeat) {
    Figures figures;
    const auto application = bench::SyntheticApplication(run.businessObjects, 15);
    const auto folder = FolderOf(run, repeat, ::getppid());
    std::filesystem::create_directories(folder);
    auto start = std::chrono::steady_clock::now();
    const auto vbe = std::make_shared<vbide::VBE>();
    const bool built = bench::BuildUnattended(vbe, application, false).empty();
    figures.buildSeconds = SecondsSince(start);
    const rusage before = Usage();
    start = std::chrono::steady_clock::now();
    if (built)
        vbide::SaveProjectGroup(*vbe, folder / "Synthetic.vbg");
    figures.saveSeconds = SecondsSince(start);
    const rusage after = Usage();
    figures.saveUserSeconds = Seconds(after.ru_utime) - Seconds(before.ru_utime);
    figures.saveKernelSeconds = Seconds(after.ru_stime) - Seconds(before.ru_stime);
    figures.saveWaitSeconds =
        std::max(0.0, figures.saveSeconds - figures.saveUserSeconds - figures.saveKernelSeconds);
    CountCode(*vbe, figures);
    figures.failed = !built;
    figures.megabytes = bench::PeakMegabytes();
    return figures;
}

}  // namespace

int main() {
    constexpr Run kRuns[] = {{200, 0.4, 60}, {1000, 2.0, 250}};
    constexpr double kTargetRatio = 5.5;
    bool missed = false;
    double seconds[2] = {};
    double buildSeconds[2] = {};
    for (size_t i = 0; i < 2; ++i) {
        const Run& run = kRuns[i];
        int repeat = 0;
        const Figures figures = bench::Fastest(
            [&] {
                const int folder = repeat++;  // counted here: the child's copy of `repeat` dies with it
                return bench::InChildProcess([&] { return Measure(run, folder); }).value_or(Figures{});
            },
            [](const Figures& measured) { return measured.Seconds(); });
        const double total = figures.Seconds();
        std::printf(
            "%d business objects x 15, fastest of %d: %ld lines (%.0f MB) built in %.3f s and saved into %s "
            "in %.3f s without the flush "
            "(%.3f s in our code, %.3f s in the kernel creating and writing the files): %.3f s "
            "(old target %.1f s, for reading), %.0f lines/s, peak %.0f MB (target %.0f MB); besides, %.3f s "
            "waiting for the disk's flush%s; %s\n",
            run.businessObjects, bench::kRepeats, figures.lines, figures.codeMegabytes, figures.buildSeconds,
            FolderOf(run, 0, ::getpid()).parent_path().c_str(), figures.saveSeconds - figures.saveWaitSeconds,
            figures.saveUserSeconds, figures.saveKernelSeconds, total, run.oldTargetSeconds,
            total > 0 ? static_cast<double>(figures.lines) / total : 0.0, figures.megabytes,
            run.targetMegabytes, figures.saveWaitSeconds, figures.failed ? ", a build failed" : "",
            bench::LoadAverage().c_str());
        missed = missed || figures.failed || figures.megabytes > run.targetMegabytes;
        seconds[i] = total;
        buildSeconds[i] = figures.buildSeconds;
    }
    for (const Run& run : kRuns) {
        for (int repeat = 0; repeat < bench::kRepeats; ++repeat)
            std::filesystem::remove_all(FolderOf(run, repeat, ::getpid()));
    }
    const double ratio = seconds[0] > 0 ? seconds[1] / seconds[0] : 0;
    std::printf("time(1000) / time(200): %.2f (target at most %.1f); the builds alone: %.2f; %s\n", ratio,
                kTargetRatio, buildSeconds[0] > 0 ? buildSeconds[1] / buildSeconds[0] : 0.0,
                bench::LoadAverage().c_str());
    missed = missed || ratio > kTargetRatio || ratio <= 0;
    return missed ? 1 : 0;
}
