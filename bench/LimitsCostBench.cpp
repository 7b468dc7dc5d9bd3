// What keeping within VB's limits costs a build: the synthetic application of 200 business objects with
// 15 properties each, with forms, built once as it is and once with the limits' measuring turned off (the
// splitter's measure, the continuation of long lines, the check of each module written), in turns, each
// build in a process of its own. The model comes near no limit, so both builds write the same lines.
// Target: the limits take at most a tenth of the build's processor time. Processor time, not wall time:
// the machine's other work moves it less. The builds go in pairs, one of each, which of the two first by
// turns, so that a pair's two builds share the machine's load; the share judged is the median of eleven
// pairs' shares, and the medians of the builds stand beside it for reading.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/InChildProcess.h"
#include "bench/LoadAverage.h"
#include "bench/SyntheticApplication.h"
#include "bench/UnattendedBuild.h"
#include "platform/vb/LimitsMeasured.h"

namespace {

struct Run {
    double processorSeconds = 0;
    double wallSeconds = 0;
    long lines = 0;
    bool failed = true;
};

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

Run Generate(const std::shared_ptr<core::qelApplication>& application, bool limitsMeasured) {
    return bench::InChildProcess([&] {
               vb::MeasureLimits(limitsMeasured);
               const auto vbe = std::make_shared<vbide::VBE>();
               Run run;
               const double processor = ProcessorSeconds();
               const auto start = std::chrono::steady_clock::now();
               run.failed = !bench::BuildUnattended(vbe, application, true).empty();
               run.wallSeconds =
                   std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
               run.processorSeconds = ProcessorSeconds() - processor;
               for (const auto& project : vbe->VBProjects()) {
                   for (const auto& component : project->VBComponents())
                       run.lines += component->CodeModule()->CountOfLines();
               }
               return run;
           })
        .value_or(Run{});
}

double Median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

}  // namespace

int main() {
    constexpr int kPairs = 11;
    constexpr double kTargetShare = 0.10;

    const auto application = bench::SyntheticApplication(200, 15);
    std::vector<double> measured, unmeasured, measuredWall, unmeasuredWall, shares;
    bool sound = true;
    for (int pair = 0; pair < kPairs; ++pair) {
        const bool measuredFirst = pair % 2 == 0;
        const Run first = Generate(application, measuredFirst);
        const Run second = Generate(application, !measuredFirst);
        const Run& with = measuredFirst ? first : second;
        const Run& without = measuredFirst ? second : first;
        sound = sound && !with.failed && !without.failed && with.lines == without.lines;
        measured.push_back(with.processorSeconds);
        unmeasured.push_back(without.processorSeconds);
        measuredWall.push_back(with.wallSeconds);
        unmeasuredWall.push_back(without.wallSeconds);
        shares.push_back((with.processorSeconds - without.processorSeconds) / with.processorSeconds);
    }
    const double share = Median(shares);
    std::printf(
        "200 x 15 with forms, medians of %d builds: %.3f s processor (%.3f s wall) with VB's limits "
        "measured, "
        "%.3f s (%.3f s wall) without; %s\n",
        kPairs, Median(measured), Median(measuredWall), Median(unmeasured), Median(unmeasuredWall),
        bench::LoadAverage().c_str());
    std::printf(
        "share of the processor time VB's limits take, median of %d pairs: %.3f (target at most %.2f)%s\n",
        kPairs, share, kTargetShare, sound ? "" : "; a build failed or the two wrote different lines");
    return sound && share <= kTargetShare ? 0 : 1;
}
