#include "platform/vb/FileStamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace vb {

namespace {

std::optional<FileStamp> StampFrom(int result, const struct stat& status) {
    if (result != 0)
        return std::nullopt;
    constexpr int64_t kNanoseconds = 1'000'000'000;
    return FileStamp{
        .device = status.st_dev,
        .inode = status.st_ino,
        .size = status.st_size,
        .modified = status.st_mtim.tv_sec * kNanoseconds + status.st_mtim.tv_nsec,
        .changed = status.st_ctim.tv_sec * kNanoseconds + status.st_ctim.tv_nsec,
        .permissions = static_cast<uint32_t>(status.st_mode & 07777),
        .regular = S_ISREG(status.st_mode),
        .link = S_ISLNK(status.st_mode),
    };
}

}  // namespace

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    struct stat status {};
    return StampFrom(::stat(path.c_str(), &status), status);
}

std::optional<FileStamp> OwnStampOf(const std::filesystem::path& path) {
    struct stat status {};
    return StampFrom(::lstat(path.c_str(), &status), status);
}

std::optional<uint64_t> ContentHashOf(const std::filesystem::path& path) {
    // 64-bit FNV-1a: a copy is told from a change, no adversary is kept out.
    constexpr uint64_t kOffset = 14695981039346656037ULL;
    constexpr uint64_t kPrime = 1099511628211ULL;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);  // never waits on a pipe
    if (descriptor < 0)
        return std::nullopt;
    uint64_t hash = kOffset;
    std::array<unsigned char, 1 << 16> buffer{};
    ssize_t read = 0;
    while ((read = ::read(descriptor, buffer.data(), buffer.size())) != 0) {
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            break;
        for (ssize_t i = 0; i < read; ++i)
            hash = (hash ^ buffer[static_cast<size_t>(i)]) * kPrime;
    }
    ::close(descriptor);
    if (read < 0)
        return std::nullopt;
    return hash;
}

}  // namespace vb
