#include "platform/ide/FileBatch.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "platform/vb/Error.h"
#include "platform/vb/FileStamp.h"

namespace vbide {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSaveList = "~save.~lst";
constexpr std::string_view kSaveListHeader = "ostrel save list 2";
constexpr std::string_view kUnsavedEnding = ".unsaved";
constexpr std::string_view kAbsent = "-";

SaveSteps*& CurrentSteps() {
    static SaveSteps none;
    static SaveSteps* current = &none;
    return current;
}

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

// What `file` is now: absent, or its size, modification time (to the nanosecond) and inode.
std::string StampText(const fs::path& file) {
    const std::optional<vb::FileStamp> stamp = vb::StampOf(file);
    if (!stamp)
        return std::string(kAbsent);
    return std::to_string(stamp->size) + " " + std::to_string(stamp->modified) + " " +
           std::to_string(stamp->inode);
}

// "<file>.unsaved", or with a number after it when that name is taken.
fs::path UnsavedPlaceOf(const fs::path& file) {
    std::error_code error;
    for (int number = 1;; ++number) {
        fs::path place = file;
        place += std::string(kUnsavedEnding) + (number == 1 ? "" : std::to_string(number));
        if (!fs::exists(fs::symlink_status(place, error)))
            return place;
    }
}

// Puts a listed file's temporary file in its place while the file is as the save found it; otherwise the
// file is the developer's now, and the temporary file goes beside it.
void FinishListedFile(const fs::path& file, std::string_view stamp, std::vector<std::string>& notices) {
    const fs::path temporary = TemporaryOf(file);
    std::error_code error;
    if (!fs::is_regular_file(temporary, error))
        return;
    if (StampText(file) == stamp) {
        Rename(temporary, file);
        return;
    }
    const fs::path kept = UnsavedPlaceOf(file);
    Rename(temporary, kept);
    notices.push_back(file.string() +
                      " changed after a save that was stopped had begun, so it is left as it "
                      "is; what that save would have written is kept in " +
                      kept.string() + ".");
}

// Renames what the list names and is still waiting, then removes the list.
void FinishListedSave(const fs::path& folder, std::vector<std::string>& notices) {
    const fs::path list = folder / kSaveList;
    std::error_code error;
    if (!fs::is_regular_file(list, error))
        return;
    TextReader in(list);
    std::set<fs::path> folders = {folder};
    if (!in.AtEnd() && in.Next() == kSaveListHeader) {
        while (!in.AtEnd()) {
            const std::string& line = in.Next();
            const size_t tab = line.find('\t');
            if (tab == std::string::npos)
                continue;
            const fs::path relative = fs::path(line.substr(tab + 1)).lexically_normal();
            if (!IsInside(relative))
                continue;
            const fs::path file = folder / relative;
            FinishListedFile(file, std::string_view(line).substr(0, tab), notices);
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

std::vector<std::string> RecoverLocked(const fs::path& folder) {
    std::vector<std::string> notices;
    FinishListedSave(folder, notices);
    // A group keeps its projects one folder down.
    RemoveTemporaryFiles(folder, 1);
    return notices;
}

// What stands where the save list goes after a recovery is no save list of ours: refused before any
// temporary file is written.
void RequireSaveListPlace(const fs::path& folder) {
    const fs::path list = folder / kSaveList;
    for (const fs::path& place : {list, TemporaryOf(list)}) {
        std::error_code error;
        if (fs::exists(fs::symlink_status(place, error))) {
            throw vb::Error(vb::kPathFileAccess,
                            place.string() +
                                " stands where the save list goes. Nothing has been saved; move it away, "
                                "then save again.",
                            "vbide");
        }
    }
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
      mLock(std::make_unique<FolderLock>(mFolder)),
      mKept(RecoverLocked(mFolder)) {
    RequireSaveListPlace(mFolder);
}

FileBatch::~FileBatch() {
    // Once the list may name them, the temporary files are the recovery's.
    if (mListed)
        return;
    for (size_t i = mRenamed; i < mFiles.size(); ++i)
        ::unlink(TemporaryOf(mFiles[i]).c_str());
}

void FileBatch::Added(const std::filesystem::path& file) {
    mStamps.push_back(StampText(file));
    mFiles.push_back(file.native());
}

void FileBatch::Commit() {
    SaveSteps& steps = *CurrentSteps();
    std::set<fs::path> folders = {mFolder};
    for (const std::string& file : mFiles)
        folders.insert(fs::path(file).parent_path());
    // Every temporary file is on disk before the list can tell a recovery to rename it.
    FlushTemporaryFiles(folders, steps);
    mListed = true;
    WriteSaveList(steps);
    for (; mRenamed < mFiles.size(); ++mRenamed)
        RenameIntoPlace(mFiles[mRenamed], steps);
    SyncFolders(folders);
    const fs::path list = mFolder / kSaveList;
    if (::unlink(list.c_str()) != 0)
        Fail(list);
    SyncFolder(mFolder);
}

void FileBatch::FlushTemporaryFiles(const std::set<std::filesystem::path>& folders, SaveSteps& steps) {
    SyncFileSystems({folders.begin(), folders.end()});
    steps.Flushed();
}

void FileBatch::WriteSaveList(SaveSteps& steps) {
    TextWriter list(mFolder / kSaveList);
    list.Line(kSaveListHeader);
    for (size_t i = 0; i < mFiles.size(); ++i)
        list.Line(mStamps[i] + "\t" + fs::path(mFiles[i]).lexically_relative(mFolder).generic_string());
    list.Save();
    steps.Listed();
}

void FileBatch::RenameIntoPlace(const std::string& file, SaveSteps& steps) {
    Rename(TemporaryOf(file), file);
    steps.Renamed(file);
}

std::vector<std::string> RecoverInterruptedSave(const std::filesystem::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return {};
    FolderLock lock(folder);
    return RecoverLocked(folder);
}

ScopedSaveSteps::ScopedSaveSteps(SaveSteps& steps) : mPrevious(CurrentSteps()) {
    CurrentSteps() = &steps;
}

ScopedSaveSteps::~ScopedSaveSteps() {
    CurrentSteps() = mPrevious;
}

}  // namespace vbide
