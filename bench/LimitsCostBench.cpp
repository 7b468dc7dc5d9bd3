// What keeping within VB's limits costs a build: the synthetic application of 200 business objects with
// 15 properties each, with forms, built once as it is and once with the limits' measuring turned off (the
// splitter's measure, the continuation of long lines, the check of each module written), each build in a
// process of its own. The model comes near no limit, so both builds write the same lines.
// What the limits cost is judged in two parts that do not move with the machine's other work (processor
// time on a shared machine varies by a third between two identical builds): the lines whose tokens the
// engine resolves, counted, beyond those of the build without the limits (a line generated or measured
// twice is resolved twice), as a share of those; and the time of the module check over the whole build,
// the fastest of five, as a share of the build's processor time. Target: the two together at most a tenth,
// the median of eleven pairs of builds. The builds' processor times, and the share they differ by, stand
// beside for reading.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/InChildProcess.h"
#include "bench/LoadAverage.h"
#include "bench/SyntheticApplication.h"
#include "bench/UnattendedBuild.h"
#include "core/ModuleLimits.h"
#include "platform/vb/LimitsMeasured.h"

namespace {

struct Counts {
    long resolved = 0;  // lines whose tokens the engine replaced
    long written = 0;
};

// The add-in's engine, counting the lines it resolves and writes.
class CountingEngine : public core::qelConstructor {
  public:
    explicit CountingEngine(Counts& counts) : mCounts(counts) {}

    void Code(std::string_view line) override {
        ++mCounts.resolved;
        ++mCounts.written;
        qelConstructor::Code(line);
    }
    void CodeResolved(std::string_view text) override {
        ++mCounts.written;
        qelConstructor::CodeResolved(text);
    }
    std::string CreateTokenStr(std::string_view line) override {
        ++mCounts.resolved;
        return qelConstructor::CreateTokenStr(line);
    }

  private:
    Counts& mCounts;
};

struct Run {
    double processorSeconds = 0;
    double checkSeconds = 0;  // the module check over every component, once more
    Counts counts;
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

double FastestCheck(const vbide::VBE& vbe) {
    double fastest = 1e9;
    for (int repeat = 0; repeat < 5; ++repeat) {
        const double start = ProcessorSeconds();
        for (const auto& project : vbe.VBProjects()) {
            for (const auto& component : project->VBComponents())
                (void)core::ModuleLimitBreaches(*component);
        }
        fastest = std::min(fastest, ProcessorSeconds() - start);
    }
    return fastest;
}

Run Generate(const std::shared_ptr<core::qelApplication>& application, bool limitsMeasured) {
    return bench::InChildProcess([&] {
               vb::MeasureLimits(limitsMeasured);
               const auto vbe = std::make_shared<vbide::VBE>();
               Run run;
               const double processor = ProcessorSeconds();
               run.failed = !bench::BuildUnattended(vbe, application, true, [&] {
                                 return std::make_shared<CountingEngine>(run.counts);
                             }).empty();
               run.processorSeconds = ProcessorSeconds() - processor;
               for (const auto& project : vbe->VBProjects()) {
                   for (const auto& component : project->VBComponents())
                       run.lines += component->CodeModule()->CountOfLines();
               }
               if (limitsMeasured)
                   run.checkSeconds = FastestCheck(*vbe);
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
    std::vector<double> measured, unmeasured, timeShares, shares;
    double resolvedShare = 0;
    bool sound = true;
    for (int pair = 0; pair < kPairs; ++pair) {
        // Which of the two goes first by turns, so that the machine's load weighs on both alike.
        const bool measuredFirst = pair % 2 == 0;
        const Run first = Generate(application, measuredFirst);
        const Run second = Generate(application, !measuredFirst);
        const Run& with = measuredFirst ? first : second;
        const Run& without = measuredFirst ? second : first;
        sound = sound && !with.failed && !without.failed && with.lines == without.lines &&
                with.counts.written == without.counts.written && without.counts.resolved > 0;
        if (!sound)
            break;
        resolvedShare = static_cast<double>(with.counts.resolved - without.counts.resolved) /
                        static_cast<double>(without.counts.resolved);
        measured.push_back(with.processorSeconds);
        unmeasured.push_back(without.processorSeconds);
        timeShares.push_back((with.processorSeconds - without.processorSeconds) / with.processorSeconds);
        shares.push_back(resolvedShare + with.checkSeconds / with.processorSeconds);
    }
    if (!sound) {
        std::printf("200 x 15 with forms: a build failed, or the two wrote different lines\n");
        return 1;
    }
    const double share = Median(shares);
    std::printf(
        "200 x 15 with forms, medians of %d builds: %.3f s processor with VB's limits measured, %.3f s "
        "without (a share of %.3f, for reading); %s\n",
        kPairs, Median(measured), Median(unmeasured), Median(timeShares), bench::LoadAverage().c_str());
    std::printf(
        "lines resolved beyond the build without the limits: a share of %.3f; with the module check, "
        "VB's limits take a share of %.3f (target at most %.2f)\n",
        resolvedShare, share, kTargetShare);
    return share <= kTargetShare ? 0 : 1;
}
