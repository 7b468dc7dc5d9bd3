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
// The list's first line: this text, then the version of the list. Version 1 names the files alone; 2 adds
// what each file was (size, modification time, inode) before its name; 3, the change time too.
constexpr std::string_view kSaveListHeader = "ostrel save list ";
constexpr int kSaveListVersion = 3;
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

// The version of the list whose first line is `header`; 0 for a list this build does not know.
int VersionOf(std::string_view header) {
    if (!header.starts_with(kSaveListHeader))
        return 0;
    header.remove_prefix(kSaveListHeader.size());
    for (int version = 1; version <= kSaveListVersion; ++version) {
        if (header == std::to_string(version))
            return version;
    }
    return 0;
}

// What `file` is now, as a list of `version` records it: absent, or its size, modification time and
// inode, then its change time and permission bits; times to the nanosecond.
std::string StampText(const fs::path& file, int version) {
    const std::optional<vb::FileStamp> stamp = vb::StampOf(file);
    if (!stamp)
        return std::string(kAbsent);
    std::string text = std::to_string(stamp->size) + " " + std::to_string(stamp->modified) + " " +
                       std::to_string(stamp->inode);
    if (version >= 3)
        text += " " + std::to_string(stamp->changed) + " " + std::to_string(stamp->permissions);
    return text;
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

// A file that a recovery left as the developer changed it, and what the recovery tells of it.
struct KeptFile {
    fs::path file;
    std::string message;
};

// A line of a list of `version`: what its file was when listed (nothing in version 1), a tab, the file's
// path; false for a line that is none.
bool SplitListLine(std::string_view line, int version, std::optional<std::string_view>& stamp,
                   std::string_view& path) {
    path = line;
    if (version == 1)
        return true;
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
        return false;
    stamp = line.substr(0, tab);
    path = line.substr(tab + 1);
    return true;
}

// Puts a listed file's temporary file in its place while the file is as the save found it (an older
// build's list, which does not tell, is followed as that build followed it); otherwise the file is the
// developer's now, and the temporary file goes beside it.
void FinishListedFile(const fs::path& file, std::optional<std::string_view> stamp, int version,
                      std::vector<KeptFile>& kept) {
    const fs::path temporary = TemporaryOf(file);
    std::error_code error;
    if (!fs::is_regular_file(temporary, error))
        return;
    if (!stamp || StampText(file, version) == *stamp) {
        Rename(temporary, file);
        return;
    }
    const fs::path unsaved = UnsavedPlaceOf(file);
    Rename(temporary, unsaved);
    kept.push_back({file, file.string() +
                              " changed after a save that was stopped had begun, so it is left as it "
                              "is; what that save would have written is kept in " +
                              unsaved.string() + "."});
}

// Renames what the list names and is still waiting, then removes the list.
void FinishListedSave(const fs::path& folder, std::vector<KeptFile>& kept) {
    const fs::path list = folder / kSaveList;
    std::error_code error;
    if (!fs::is_regular_file(list, error))
        return;
    TextReader in(list);
    std::set<fs::path> folders = {folder};
    const int version = in.AtEnd() ? 0 : VersionOf(in.Next());
    while (version > 0 && !in.AtEnd()) {
        std::optional<std::string_view> stamp;
        std::string_view path;
        if (!SplitListLine(in.Next(), version, stamp, path))
            continue;
        const fs::path relative = fs::path(path).lexically_normal();
        if (!IsInside(relative))
            continue;
        const fs::path file = folder / relative;
        FinishListedFile(file, stamp, version, kept);
        folders.insert(file.parent_path());
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

std::vector<KeptFile> RecoverLocked(const fs::path& folder) {
    std::vector<KeptFile> kept;
    FinishListedSave(folder, kept);
    // A group keeps its projects one folder down.
    RemoveTemporaryFiles(folder, 1);
    return kept;
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
      mLock(std::make_unique<FolderLock>(mFolder)) {
    for (KeptFile& kept : RecoverLocked(mFolder)) {
        mKeptFiles.insert(kept.file.lexically_normal());
        mKept.push_back(std::move(kept.message));
    }
    WithKeptMessages(mKept, [&] { RequireSaveListPlace(mFolder); });
}

FileBatch::~FileBatch() {
    // Once the list may name them, the temporary files are the recovery's.
    if (mListed)
        return;
    for (size_t i = mRenamed; i < mFiles.size(); ++i)
        ::unlink(TemporaryOf(mFiles[i]).c_str());
}

void FileBatch::RequireNotKept(const std::filesystem::path& file) const {
    if (mKeptFiles.contains(file.lexically_normal())) {
        throw vb::Error(vb::kPathFileAccess,
                        "Nothing has been saved: saving would write over " + file.string() +
                            ", which changed after a save that was stopped had begun. Save again to write "
                            "over it, or open the group again to work on it as it is.",
                        "vbide");
    }
}

void FileBatch::Added(const std::filesystem::path& file) {
    mStamps.push_back(StampText(file, kSaveListVersion));
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
    list.Line(std::string(kSaveListHeader) + std::to_string(kSaveListVersion));
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
    std::vector<std::string> messages;
    for (KeptFile& kept : RecoverLocked(folder))
        messages.push_back(std::move(kept.message));
    return messages;
}

ScopedSaveSteps::ScopedSaveSteps(SaveSteps& steps) : mPrevious(CurrentSteps()) {
    CurrentSteps() = &steps;
}

ScopedSaveSteps::~ScopedSaveSteps() {
    CurrentSteps() = mPrevious;
}

}  // namespace vbide
