#include "platform/automation/CreateObject.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/automation/ClassTable.h"
#include "platform/vb/FileStamp.h"
#include "platform/vb/Text.h"

namespace automation {
namespace {

std::filesystem::path FolderOfThisLibrary() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&FolderOfThisLibrary), &info) == 0 ||
        info.dli_fname == nullptr) {
        return std::filesystem::current_path();
    }
    return std::filesystem::absolute(info.dli_fname).parent_path();
}

[[noreturn]] void CannotCreate(std::string_view progId) {
    vb::Raise(vb::kCannotCreateObject, progId);
}

// The class registry as it was read. A build creates a pattern object per business object and form, so the
// registry is read again only when it has changed since: another folder, an entry of the folder added,
// removed or renamed (the folder's own stamp), or a file of it rewritten. Telling that takes a stat of the
// folder and one of each file, not a listing.
class Registry {
  public:
    // The library registered for a ProgID (letter case ignored, as the registry does), or empty.
    std::filesystem::path LibraryOf(std::string_view progId) {
        const std::filesystem::path folder = ClassRegistryFolder();
        if (!IsCurrent(folder))
            Read(folder);
        const auto found = mLibraries.find(vb::FoldCase(progId));
        return found == mLibraries.end() ? std::filesystem::path() : found->second;
    }

  private:
    struct File {
        std::filesystem::path path;
        std::optional<vb::FileStamp> stamp;
    };

    bool IsCurrent(const std::filesystem::path& folder) const {
        if (!mRead || folder != mFolder || vb::StampOf(folder) != mFolderStamp)
            return false;
        return std::all_of(mFiles.begin(), mFiles.end(),
                           [](const File& file) { return vb::StampOf(file.path) == file.stamp; });
    }

    // Where two files register one ProgID, the first read holds. Each stamp is taken before what it
    // stamps is read, so a change made while reading shows at the next creation.
    void Read(const std::filesystem::path& folder) {
        mFolder = folder;
        mFolderStamp = vb::StampOf(folder);
        mFiles.clear();
        mLibraries.clear();
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            File& registryFile = mFiles.emplace_back(File{entry.path(), vb::StampOf(entry.path())});
            std::ifstream file(registryFile.path);
            std::string line;
            while (std::getline(file, line)) {
                const size_t equals = line.find('=');
                if (equals != std::string::npos)
                    mLibraries.emplace(vb::FoldCase(line.substr(0, equals)), line.substr(equals + 1));
            }
        }
        mRead = true;
    }

    bool mRead = false;
    std::filesystem::path mFolder;
    std::optional<vb::FileStamp> mFolderStamp;
    std::vector<File> mFiles;
    std::unordered_map<std::string, std::filesystem::path> mLibraries;
};

std::filesystem::path LibraryOf(std::string_view progId) {
    static std::mutex mutex;
    static Registry registry;
    std::lock_guard lock(mutex);
    return registry.LibraryOf(progId);
}

ClassTableFunction LoadClassTable(const std::filesystem::path& library) {
    static std::mutex mutex;
    static std::map<std::filesystem::path, ClassTableFunction> loaded;
    std::lock_guard lock(mutex);
    if (const auto found = loaded.find(library); found != loaded.end())
        return found->second;
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return nullptr;
    auto table = reinterpret_cast<ClassTableFunction>(dlsym(handle, kClassTableSymbol));
    loaded.emplace(library, table);
    return table;
}

}  // namespace

std::filesystem::path ClassRegistryFolder() {
    if (const char* folder = std::getenv("OSTREL_CLASS_REGISTRY"); folder != nullptr && *folder != '\0') {
        return folder;
    }
    return FolderOfThisLibrary() / "classes";
}

vb::ObjectPtr CreateObject(std::string_view progId) {
    const std::filesystem::path library = LibraryOf(progId);
    if (library.empty())
        CannotCreate(progId);
    const ClassTableFunction table = LoadClassTable(library);
    if (table == nullptr)
        CannotCreate(progId);
    for (const ClassEntry* entry = table(); entry->progId != nullptr; ++entry) {
        if (vb::TextEquals(entry->progId, progId))
            return entry->create();
    }
    CannotCreate(progId);
}

void RegisterLibrary(const std::filesystem::path& library, const std::filesystem::path& registryFolder) {
    const std::filesystem::path absolute = std::filesystem::absolute(library);
    const ClassTableFunction table = LoadClassTable(absolute);
    if (table == nullptr)
        vb::Raise(vb::kCannotCreateObject, absolute.string(), "No class table in the library");
    std::filesystem::create_directories(registryFolder);
    const std::filesystem::path target = registryFolder / (absolute.stem().string() + ".classes");
    const std::filesystem::path temporary = target.string() + ".tmp";
    {
        std::ofstream file(temporary, std::ios::trunc);
        for (const ClassEntry* entry = table(); entry->progId != nullptr; ++entry) {
            file << entry->progId << '=' << absolute.string() << '\n';
        }
        if (!file)
            vb::Raise(vb::kPathFileAccess, temporary.string());
    }
    std::filesystem::rename(temporary, target);
}

}  // namespace automation
