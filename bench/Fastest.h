#pragma once
// A figure of time taken once is as much the machine's as ours: another process's turn, a page fault or a
// frequency change lands on it. A measurement repeated keeps its fastest run, the one least disturbed.

#include <utility>

namespace bench {

constexpr int kRepeats = 5;

// Runs `measure` `kRepeats` times and gives back the run whose `seconds(run)` is least.
template <typename Measure, typename Seconds>
auto Fastest(Measure&& measure, Seconds&& seconds) {
    auto fastest = measure();
    for (int repeat = 1; repeat < kRepeats; ++repeat) {
        auto run = measure();
        if (seconds(run) < seconds(fastest))
            fastest = std::move(run);
    }
    return fastest;
}

}  // namespace bench
