#include "platform/vb/FileStamp.h"

#include <sys/stat.h>

namespace vb {

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
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
    };
}

}  // namespace vb
