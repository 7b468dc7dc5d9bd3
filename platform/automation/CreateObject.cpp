#include "platform/automation/CreateObject.h"

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/automation/ClassTable.h"
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

// A registry file as it was when read: a file rewritten since has another time or size.
struct RegistryFile {
    std::filesystem::path path;
    std::filesystem::file_time_type written;
    std::uintmax_t size = 0;
    bool operator==(const RegistryFile&) const = default;
};

std::vector<RegistryFile> RegistryFiles(const std::filesystem::path& folder) {
    std::vector<RegistryFile> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        RegistryFile file{entry.path(), entry.last_write_time(error), entry.file_size(error)};
        files.push_back(std::move(file));
    }
    return files;
}

// ProgIDs by folded name; where two files register one ProgID, the first read holds.
std::unordered_map<std::string, std::filesystem::path> ReadRegistry(const std::vector<RegistryFile>& files) {
    std::unordered_map<std::string, std::filesystem::path> libraries;
    for (const RegistryFile& registryFile : files) {
        std::ifstream file(registryFile.path);
        std::string line;
        while (std::getline(file, line)) {
            const size_t equals = line.find('=');
            if (equals != std::string::npos)
                libraries.emplace(vb::FoldCase(line.substr(0, equals)), line.substr(equals + 1));
        }
    }
    return libraries;
}

// The library registered for a ProgID (letter case ignored, as the registry does), or empty. A build
// creates a pattern object per business object and form, so the registry is read again only when its
// folder or one of its files has changed since.
std::filesystem::path LibraryOf(std::string_view progId) {
    static std::mutex mutex;
    static std::filesystem::path readFolder;
    static std::vector<RegistryFile> readFiles;
    static std::unordered_map<std::string, std::filesystem::path> libraries;
    std::lock_guard lock(mutex);
    const std::filesystem::path folder = ClassRegistryFolder();
    std::vector<RegistryFile> files = RegistryFiles(folder);
    if (folder != readFolder || files != readFiles) {
        libraries = ReadRegistry(files);
        readFolder = folder;
        readFiles = std::move(files);
    }
    const auto found = libraries.find(vb::FoldCase(progId));
    return found == libraries.end() ? std::filesystem::path() : found->second;
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
