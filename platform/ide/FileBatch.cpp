#include "platform/ide/FileBatch.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <set>
#include <string>
#include <system_error>

#include "platform/vb/Error.h"

namespace vbide {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSaveList = "~save.~lst";
constexpr std::string_view kSaveListHeader = "ostrel save list 1";

[[noreturn]] void Fail(const fs::path& path) {
    throw vb::Error(vb::kPathFileAccess, vb::StandardDescription(vb::kPathFileAccess) + ": " + path.string(),
                    "vbide");
}

void Rename(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        Fail(to);
}

void SyncFolders(const std::set<fs::path>& folders) {
    for (const fs::path& folder : folders)
        SyncFolder(folder);
}

fs::path TemporaryOf(const fs::path& file) {
    fs::path temporary = file;
    temporary += kTemporaryEnding;
    return temporary;
}

// A path the list may name: relative, inside the folder.
bool IsInside(const fs::path& relative) {
    if (relative.empty() || relative.is_absolute())
        return false;
    for (const auto& part : relative) {
        if (part == "..")
            return false;
    }
    return true;
}

// Renames what the list names and is still waiting, then removes the list.
void FinishListedSave(const fs::path& folder) {
    const fs::path list = folder / kSaveList;
    std::error_code error;
    if (!fs::is_regular_file(list, error))
        return;
    TextReader in(list);
    std::set<fs::path> folders = {folder};
    if (!in.AtEnd() && in.Next() == kSaveListHeader) {
        while (!in.AtEnd()) {
            const fs::path relative = fs::path(in.Next()).lexically_normal();
            if (!IsInside(relative))
                continue;
            const fs::path file = folder / relative;
            if (fs::is_regular_file(TemporaryOf(file), error))
                Rename(TemporaryOf(file), file);
            folders.insert(file.parent_path());
        }
    }
    SyncFolders(folders);
    if (::unlink(list.c_str()) != 0)
        Fail(list);
    SyncFolder(folder);
}

void RemoveTemporaryFiles(const fs::path& folder, int depth) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const fs::file_status status = entry->symlink_status(error);
        if (fs::is_directory(status) && depth > 0) {
            RemoveTemporaryFiles(entry->path(), depth - 1);
        } else if (fs::is_regular_file(status) && entry->path().string().ends_with(kTemporaryEnding)) {
            fs::remove(entry->path(), error);
        }
        error.clear();
    }
}

void RecoverLocked(const fs::path& folder) {
    FinishListedSave(folder);
    // A group keeps its projects one folder down.
    RemoveTemporaryFiles(folder, 1);
}

}  // namespace

// Held while a folder is saved or recovered.
class FolderLock {
  public:
    explicit FolderLock(const fs::path& folder)
        : mDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (mDescriptor < 0 || ::flock(mDescriptor, LOCK_EX) != 0) {
            if (mDescriptor >= 0)
                ::close(mDescriptor);
            Fail(folder);
        }
    }
    ~FolderLock() { ::close(mDescriptor); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    int mDescriptor;
};

FileBatch::FileBatch(std::filesystem::path folder)
    : mFolder(folder.empty() ? fs::path(".") : std::move(folder)),
      mLock(std::make_unique<FolderLock>(mFolder)) {
    RecoverLocked(mFolder);
}

FileBatch::~FileBatch() {
    // Once the list may name them, the temporary files are the recovery's.
    if (mListed)
        return;
    for (size_t i = mRenamed; i < mFiles.size(); ++i)
        ::unlink(TemporaryOf(mFiles[i]).c_str());
}

void FileBatch::Commit() {
    std::set<fs::path> folders = {mFolder};
    for (const std::string& file : mFiles)
        folders.insert(fs::path(file).parent_path());
    // Every temporary file is on disk before the list can tell a recovery to rename it.
    SyncFileSystems({folders.begin(), folders.end()});
    mListed = true;
    {
        TextWriter list(mFolder / kSaveList);
        list.Line(kSaveListHeader);
        for (const std::string& file : mFiles)
            list.Line(fs::path(file).lexically_relative(mFolder).generic_string());
        list.Save();
    }
    for (; mRenamed < mFiles.size(); ++mRenamed)
        Rename(TemporaryOf(mFiles[mRenamed]), mFiles[mRenamed]);
    SyncFolders(folders);
    const fs::path list = mFolder / kSaveList;
    if (::unlink(list.c_str()) != 0)
        Fail(list);
    SyncFolder(mFolder);
}

void RecoverInterruptedSave(const std::filesystem::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return;
    FolderLock lock(folder);
    RecoverLocked(folder);
}

}  // namespace vbide
