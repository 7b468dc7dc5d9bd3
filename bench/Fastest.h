#pragma once
// A figure of time taken once is as much the machine's as ours: another process's turn, a page fault or a
// frequency change lands on it. A measurement repeated keeps its fastest run, the one least disturbed.

#include <algorithm>
#include <utility>

namespace bench {

constexpr int kRepeats = 5;

// Runs `measure` `kRepeats` times and gives back the run whose `seconds(run)` is least. A run's `failed`
// and `megabytes` (its peak memory) are not the fastest repeat's alone: any repeat's failure fails it, and
// its peak is the highest of any repeat.
template <typename Measure, typename Seconds>
auto Fastest(Measure&& measure, Seconds&& seconds) {
    auto fastest = measure();
    bool failed = fastest.failed;
    double megabytes = fastest.megabytes;
    for (int repeat = 1; repeat < kRepeats; ++repeat) {
        auto run = measure();
        failed = failed || run.failed;
        megabytes = std::max(megabytes, run.megabytes);
        if (seconds(run) < seconds(fastest))
            fastest = std::move(run);
    }
    fastest.failed = failed;
    fastest.megabytes = megabytes;
    return fastest;
}

}  // namespace bench
