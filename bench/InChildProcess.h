#pragma once
// A build measured in a process of its own: its peak memory is its own, and it starts as `ostrel generate`
// does, with none of the memory that an earlier build in the benchmark has freed and left mapped.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <type_traits>

namespace bench {

// The peak memory of the calling process so far, in megabytes.
inline double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Runs `measure` in a child process and gives back the figures it returned; nothing when the child could
// not be started or did not finish.
template <typename Measure>
auto InChildProcess(Measure&& measure) -> std::optional<decltype(measure())> {
    using Figures = decltype(measure());
    static_assert(std::is_trivially_copyable_v<Figures>, "the figures cross a pipe as bytes");
    int pipes[2];
    if (::pipe(pipes) != 0)
        return std::nullopt;
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipes[0]);
        const Figures figures = measure();
        std::fflush(stdout);
        std::_Exit(::write(pipes[1], &figures, sizeof figures) == static_cast<ssize_t>(sizeof figures) ? 0
                                                                                                       : 2);
    }
    ::close(pipes[1]);
    Figures figures{};
    const bool read = child > 0 && ::read(pipes[0], &figures, sizeof figures) == sizeof figures;
    ::close(pipes[0]);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return figures;
}

}  // namespace bench
