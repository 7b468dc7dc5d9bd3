#pragma once
// The console report of Google Benchmark with the machine's load average after each figure.

#include <benchmark/benchmark.h>

#include <ostream>
#include <vector>

#include "bench/LoadAverage.h"

namespace bench {

class LoadAverageReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        GetOutputStream() << "    (" << LoadAverage() << ")\n";
    }
};

// Runs the program's benchmarks through `reporter`; false when the command line holds arguments that
// Google Benchmark does not know.
inline bool RunBenchmarks(int argc, char** argv, LoadAverageReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return true;
}

// A benchmark program's main without targets: its figures, each with the load average.
inline int RunWithLoadAverage(int argc, char** argv) {
    LoadAverageReporter reporter;
    return RunBenchmarks(argc, argv, reporter) ? 0 : 1;
}

}  // namespace bench
