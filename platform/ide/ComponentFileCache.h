#pragma once
// Component files read once and handed out as copies: a build imports the same form template for every
// business object it makes a form for. A file that changed since it was read (its size, its times, or
// another file put in its place) is read again; a removed one is no longer handed out.

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/ide/ChangeCounter.h"
#include "platform/ide/VBComponent.h"
#include "platform/vb/FileStamp.h"

namespace vbide {

class ComponentFileCache {
  public:
    // A new component as ReadComponentFile(file, changes) gives it, with the same errors; null when
    // `file` is no regular file.
    std::shared_ptr<VBComponent> Read(const std::filesystem::path& file, const ChangeCounterPtr& changes);

  private:
    struct Entry {
        vb::FileStamp stamp;
        std::shared_ptr<const VBComponent> component;
    };

    std::unordered_map<std::string, Entry> mFiles;
    ChangeCounterPtr mOwnChanges = std::make_shared<ChangeCounter>();
};

}  // namespace vbide
