#pragma once
// What tells one state of a file or folder from another without reading it: a file rewritten, replaced by
// another or removed has another stamp, and so has a folder whose entries were added, removed or renamed.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace vb {

struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modified = 0;      // nanoseconds
    int64_t changed = 0;       // nanoseconds
    uint32_t permissions = 0;  // the mode's permission bits: a chmod shows even within one clock tick
    bool regular = false;      // a regular file, not a folder or a device
    bool link = false;         // a symbolic link (OwnStampOf only: StampOf follows it)
    bool operator==(const FileStamp&) const = default;
};

// The stamp of what `path` names (links followed); nothing when there is nothing there.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

// The stamp of `path` itself, a link's own (not followed); nothing when there is nothing there. One look
// tells what stands there and whether it is a link.
std::optional<FileStamp> OwnStampOf(const std::filesystem::path& path);

// A hash of what the file at `path` holds (links followed), for telling a copy of a file from a changed
// file where the stamps differ; nothing when it cannot be read.
std::optional<uint64_t> ContentHashOf(const std::filesystem::path& path);

}  // namespace vb
