// The system calls of one `ostrel generate` of the synthetic application of 200 business objects of 15
// properties without forms into a new folder, counted by strace over the whole process, against the files
// it writes: on a slow disk or a network folder each look at a file is a round trip, so the save must look
// at each file as seldom as its checks allow. Prints the calls per written file beside its target and the
// most frequent calls; exits 1 above the target, or when strace or the generation fails.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/LoadAverage.h"
#include "bench/SyntheticApplication.h"
#include "bench/SyntheticRepository.h"

namespace {

constexpr double kTargetCallsPerFile = 11.0;
constexpr int kCallsShown = 6;

// A line of strace's summary: "% time, seconds, usecs/call, calls, [errors,] syscall".
struct CallCount {
    std::string name;
    long calls = 0;
    long errors = 0;
};

std::vector<CallCount> ReadSummary(const std::filesystem::path& file) {
    std::vector<CallCount> counts;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::vector<std::string> parts;
        for (std::string part; fields >> part;)
            parts.push_back(part);
        if (parts.size() < 5 || parts[0].find_first_not_of("0123456789.") != std::string::npos)
            continue;
        CallCount& count = counts.emplace_back();
        count.name = parts.back();
        count.calls = std::atol(parts[3].c_str());
        count.errors = parts.size() == 6 ? std::atol(parts[4].c_str()) : 0;
    }
    return counts;
}

long FilesIn(const std::filesystem::path& folder) {
    long files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        files += entry.is_regular_file() ? 1 : 0;
    return files;
}

}  // namespace

int main() {
    const auto folder =
        std::filesystem::temp_directory_path() / ("bench_save_calls_" + std::to_string(::getpid()));
    const auto out = folder / "out";
    const auto summary = folder / "strace.txt";
    std::filesystem::create_directories(folder);
    bench::SaveRepositoryOf(folder, *bench::SyntheticApplication(200, 15));

    const std::string command = "strace -f -c -o '" + summary.string() + "' '" OSTREL_BINARY "' generate " +
                                "--repository '" + (folder / repository::kRepositoryFileName).string() +
                                "' --app Synthetic --out '" + out.string() + "' --no-forms > /dev/null";
    const bool generated = std::system(command.c_str()) == 0;
    const long files = generated ? FilesIn(out) : 0;
    std::vector<CallCount> counts = ReadSummary(summary);
    std::filesystem::remove_all(folder);

    const auto total = std::find_if(counts.begin(), counts.end(),
                                    [](const CallCount& count) { return count.name == "total"; });
    if (!generated || files == 0 || total == counts.end()) {
        std::printf("generation under strace failed: %s\n", command.c_str());
        return 1;
    }
    const double perFile = static_cast<double>(total->calls) / static_cast<double>(files);
    std::printf(
        "200 x 15 generated without forms: %ld system calls for %ld files written, %.1f a file "
        "(target at most %.1f); %s\n",
        total->calls, files, perFile, kTargetCallsPerFile, bench::LoadAverage().c_str());
    counts.erase(total);
    std::sort(counts.begin(), counts.end(),
              [](const CallCount& a, const CallCount& b) { return a.calls > b.calls; });
    for (size_t i = 0; i < counts.size() && i < kCallsShown; ++i)
        std::printf("  %-16s %7ld (%ld failed)\n", counts[i].name.c_str(), counts[i].calls, counts[i].errors);
    return perFile <= kTargetCallsPerFile ? 0 : 1;
}
