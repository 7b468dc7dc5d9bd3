#include "platform/ide/ComponentFileCache.h"

#include <sys/stat.h>

#include "platform/ide/ComponentFiles.h"

namespace vbide {

bool ComponentFileCache::StampOf(const std::filesystem::path& file, FileStamp& stamp) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    constexpr int64_t kNanoseconds = 1'000'000'000;
    stamp.device = status.st_dev;
    stamp.inode = status.st_ino;
    stamp.size = status.st_size;
    stamp.modified = status.st_mtim.tv_sec * kNanoseconds + status.st_mtim.tv_nsec;
    stamp.changed = status.st_ctim.tv_sec * kNanoseconds + status.st_ctim.tv_nsec;
    return true;
}

std::shared_ptr<VBComponent> ComponentFileCache::Read(const std::filesystem::path& file,
                                                      const ChangeCounterPtr& changes) {
    const std::string key = file.string();
    FileStamp before;
    if (!StampOf(file, before)) {
        mFiles.erase(key);
        return nullptr;
    }
    const auto found = mFiles.find(key);
    const bool same = found != mFiles.end() && found->second.stamp == before;
    if (same && found->second.component)
        return found->second.component->Copy(changes);
    auto component = ReadComponentFile(file, changes);
    // A file written to while it was read is not kept: the next read looks at it afresh. A file is kept
    // only once it is read a second time, so an engine that makes one form of a template copies nothing.
    FileStamp after;
    if (!StampOf(file, after) || after != before) {
        mFiles.erase(key);
    } else if (same) {
        found->second.component = component->Copy(mOwnChanges);
    } else {
        mFiles.insert_or_assign(key, Entry{before, nullptr});
    }
    return component;
}

}  // namespace vbide
