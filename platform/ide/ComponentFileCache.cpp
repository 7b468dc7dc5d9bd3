#include "platform/ide/ComponentFileCache.h"

#include "platform/ide/ComponentFiles.h"

namespace vbide {

std::shared_ptr<VBComponent> ComponentFileCache::Read(const std::filesystem::path& file,
                                                      const ChangeCounterPtr& changes) {
    const std::string key = file.string();
    const std::optional<vb::FileStamp> before = vb::StampOf(file);
    if (!before || !before->regular) {
        mFiles.erase(key);
        return nullptr;
    }
    const auto found = mFiles.find(key);
    const bool same = found != mFiles.end() && found->second.stamp == *before;
    if (same && found->second.component)
        return found->second.component->Copy(changes);
    auto component = ReadComponentFile(file, changes);
    // A file written to while it was read is not kept: the next read looks at it afresh. A file is kept
    // only once it is read a second time, so an engine that makes one form of a template copies nothing.
    if (vb::StampOf(file) != before) {
        mFiles.erase(key);
    } else if (same) {
        found->second.component = component->Copy(mOwnChanges);
    } else {
        mFiles.insert_or_assign(key, Entry{*before, nullptr});
    }
    return component;
}

}  // namespace vbide
