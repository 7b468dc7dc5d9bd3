#include "platform/ide/FileBatch.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "platform/ide/FileSystemError.h"
#include "platform/vb/Error.h"
#include "platform/vb/FileStamp.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSaveList = "~save.~lst";
// The list's first line: this text, then the version of the list. Version 1 names the files alone; 2 adds
// what each file was (size, modification time, inode) before its name; 3, the change time and permission
// bits too; 4, a hash of its content too.
constexpr std::string_view kSaveListHeader = "ostrel save list ";
constexpr int kSaveListVersion = 4;
constexpr std::string_view kUnsavedEnding = ".unsaved";
constexpr std::string_view kAbsent = "-";
// What a list line records in the place of a stamp when it names where a file's text was kept beside.
constexpr std::string_view kKeptRecord = "kept";

SaveSteps*& CurrentSteps() {
    static SaveSteps none;
    static SaveSteps* current = &none;
    return current;
}

// 75 naming `path` and why the system refused the call just made on it.
[[noreturn]] void Fail(const fs::path& path) {
    throw FileSystemError(vb::kPathFileAccess, path, errno);
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

// `stamp` as a list of `version` (up to 3) records it: absent, or its size, modification time and inode,
// then its change time and permission bits; times to the nanosecond.
std::string StampText(const std::optional<vb::FileStamp>& stamp, int version) {
    if (!stamp)
        return std::string(kAbsent);
    std::string text = std::to_string(stamp->size) + " " + std::to_string(stamp->modified) + " " +
                       std::to_string(stamp->inode);
    if (version >= 3)
        text += " " + std::to_string(stamp->changed) + " " + std::to_string(stamp->permissions);
    return text;
}

std::string HashText(const fs::path& file) {
    const std::optional<uint64_t> hash = vb::ContentHashOf(file);
    return hash ? std::to_string(*hash) : std::string(kAbsent);
}

// What a list records of `file`, which the batch found as `asRead`: that stamp and, while the file is
// still as found, a hash of its content; a file changed since has no hash, as it will not be taken for
// what it was.
std::string RecordOf(const fs::path& file, const std::optional<vb::FileStamp>& asRead) {
    if (!asRead)
        return std::string(kAbsent);
    return StampText(asRead, 3) + " " +
           (vb::OwnStampOf(file) == asRead ? HashText(file) : std::string(kAbsent));
}

// The blank-separated parts of a record.
std::vector<std::string_view> PartsOf(std::string_view record) {
    std::vector<std::string_view> parts;
    for (size_t from = 0;;) {
        const size_t blank = record.find(' ', from);
        parts.push_back(record.substr(from, blank == std::string_view::npos ? blank : blank - from));
        if (blank == std::string_view::npos)
            return parts;
        from = blank + 1;
    }
}

// Whether `file` is still what a list of `version` recorded. From version 4 on, a file whose inode or
// change time alone differ (a copied or restored folder) is compared by its content.
bool IsAsRecorded(const fs::path& file, std::string_view record, int version) {
    const std::optional<vb::FileStamp> now = vb::OwnStampOf(file);
    const std::string stamp = StampText(now, std::min(version, 3));
    if (version < 4 || record == kAbsent || !now)
        return stamp == record;
    const std::vector<std::string_view> recorded = PartsOf(record);
    const std::vector<std::string_view> current = PartsOf(stamp);
    constexpr size_t kSize = 0, kModified = 1, kPermissions = 4, kHash = 5;
    if (recorded.size() != kHash + 1)
        return false;
    if (record.substr(0, record.size() - recorded[kHash].size() - 1) == stamp)
        return true;
    for (const size_t part : {kSize, kModified, kPermissions}) {
        if (recorded[part] != current[part])
            return false;
    }
    return recorded[kHash] != kAbsent && HashText(file) == recorded[kHash];
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

// A file left as the developer changed it, where its save's text was kept, and what is told of it.
struct KeptFile {
    fs::path file;
    fs::path unsaved;
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

// What is told of `file`, which changed `changed` and is left as it is, its save's text kept in `unsaved`.
KeptFile KeptFileOf(const fs::path& file, std::string_view changed, std::string_view save,
                    const fs::path& unsaved) {
    return {file, unsaved,
            file.string() + " changed " + std::string(changed) + ", so it is left as it is; what " +
                std::string(save) + " would have written is kept in " + unsaved.string() + "."};
}

constexpr std::string_view kChangedAfterStop = "after a save that was stopped had begun";

// Adds to the save list of `folder` that `unsaved` is where a file's text is kept, on disk before the
// temporary file goes there.
void NoteKept(const fs::path& folder, const fs::path& unsaved) {
    const fs::path list = folder / kSaveList;
    const std::string line =
        std::string(kKeptRecord) + "\t" + unsaved.lexically_relative(folder).generic_string() + "\r\n";
    const std::string encoded = vb::IsAscii(line) ? line : vb::Utf8ToWindows1252(line);
    const int descriptor = ::open(list.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    const bool noted =
        descriptor >= 0 &&
        ::write(descriptor, encoded.data(), encoded.size()) == static_cast<ssize_t>(encoded.size()) &&
        ::fsync(descriptor) == 0;
    const int error = errno;
    if (descriptor >= 0)
        ::close(descriptor);
    if (!noted)
        throw FileSystemError(vb::kPathFileAccess, list, error);
}

// Leaves `file` as the developer made it and puts its temporary file beside it, at `place` when one is given,
// else never over an earlier one, noted in the save list of `folder` first; `changed` tells when it changed.
KeptFile KeepBeside(const fs::path& folder, const fs::path& file, std::string_view changed,
                    std::string_view save, const fs::path& place = {}) {
    const fs::path unsaved = place.empty() ? UnsavedPlaceOf(file) : place;
    NoteKept(folder, unsaved);
    Rename(TemporaryOf(file), unsaved);
    return KeptFileOf(file, changed, save, unsaved);
}

// What a recovery did.
struct Recovered {
    std::vector<fs::path> finished;  // the files it put in place
    std::vector<KeptFile> kept;
    std::vector<fs::path> inTheWay;  // see RemoveTemporaryFiles
};

// Puts a listed file's temporary file in its place while the file is as the save found it (an older
// build's list, which does not tell, is followed as that build followed it); otherwise the file is the
// developer's now, and the temporary file goes beside it.
void FinishListedFile(const fs::path& folder, const fs::path& file, std::optional<std::string_view> stamp,
                      int version, Recovered& recovered) {
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(TemporaryOf(file), error)))
        return;
    if (!stamp || IsAsRecorded(file, *stamp, version)) {
        Rename(TemporaryOf(file), file);
        recovered.finished.push_back(file);
        return;
    }
    recovered.kept.push_back(KeepBeside(folder, file, kChangedAfterStop, "that save"));
}

// Tells of `unsaved`, which the list notes as kept beside by the stopped save or an earlier recovery of it:
// nothing else tells of it now. Not twice for a file that this recovery kept.
void TellKeptBefore(const fs::path& unsaved, Recovered& recovered) {
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(unsaved, error)))
        return;
    const fs::path file = unsaved.native().substr(0, unsaved.native().rfind(kUnsavedEnding));
    if (std::any_of(recovered.kept.begin(), recovered.kept.end(),
                    [&](const KeptFile& kept) { return kept.file == file; }))
        return;
    recovered.kept.push_back(KeptFileOf(file, kChangedAfterStop, "that save", unsaved));
}

// Renames what the list names and is still waiting, then removes the list.
void FinishListedSave(const fs::path& folder, Recovered& recovered) {
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
        if (stamp == kKeptRecord) {
            TellKeptBefore(file, recovered);
            continue;
        }
        FinishListedFile(folder, file, stamp, version, recovered);
        folders.insert(file.parent_path());
    }
    SyncFolders(folders);
    if (::unlink(list.c_str()) != 0)
        Fail(list);
    SyncFolder(folder);
}

// Removes the temporary files and the links named like them (a backup tool's); adds to `inTheWay` what
// else is named like them (a folder, a pipe), which a save must not go on over. Each entry's own kind comes
// with the folder's listing: no entry is looked at by itself unless the file system leaves kinds out.
void RemoveTemporaryFiles(const fs::path& folder, int depth, std::vector<fs::path>& inTheWay) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const bool temporary = entry->path().string().ends_with(kTemporaryEnding);
        const bool link = entry->is_symlink(error);
        if (!temporary && !link && depth > 0 && entry->is_directory(error)) {
            RemoveTemporaryFiles(entry->path(), depth - 1, inTheWay);
        } else if (temporary && (link || entry->is_regular_file(error))) {
            fs::remove(entry->path(), error);
        } else if (temporary && !error) {
            inTheWay.push_back(entry->path());
        }
        error.clear();
    }
}

Recovered RecoverLocked(const fs::path& folder) {
    Recovered recovered;
    try {
        FinishListedSave(folder, recovered);
    } catch (vb::Error& error) {
        // What was kept before the failure is told with it.
        std::vector<std::string> messages;
        for (const KeptFile& kept : recovered.kept)
            messages.push_back(kept.message);
        TellKept(error, messages);
        throw;
    }
    // A group keeps its projects one folder down.
    RemoveTemporaryFiles(folder, 1, recovered.inTheWay);
    return recovered;
}

// What stands where the save list or a temporary file goes after a recovery is no file of ours: refused
// before any temporary file is written.
void RequireFreePlaces(const fs::path& folder, std::vector<fs::path> inTheWay) {
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
    if (!inTheWay.empty())
        RaiseTemporaryInTheWay(*std::min_element(inTheWay.begin(), inTheWay.end()));
}

}  // namespace

// Held while a folder is saved or recovered.
class FolderLock {
  public:
    explicit FolderLock(const fs::path& folder)
        : mDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (mDescriptor < 0 || ::flock(mDescriptor, LOCK_EX) != 0) {
            const int error = errno;
            if (mDescriptor >= 0)
                ::close(mDescriptor);
            throw FileSystemError(vb::kPathFileAccess, folder, error);
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
    Recovered recovered = RecoverLocked(mFolder);
    mRecoveredFiles = std::move(recovered.finished);
    for (KeptFile& kept : recovered.kept) {
        mKeptFiles.insert(kept.file.lexically_normal());
        mRecoveredFiles.push_back(kept.file);
        mKept.push_back(std::move(kept.message));
    }
    WithKeptMessages(mKept, [&] { RequireFreePlaces(mFolder, std::move(recovered.inTheWay)); });
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

void FileBatch::Added(const std::filesystem::path& file, const std::optional<vb::FileStamp>& asRead) {
    mAsRead.push_back(asRead);
    mFiles.push_back(file.native());
}

void FileBatch::KeepBesideAt(const std::filesystem::path& file, std::filesystem::path place) {
    mKeepAt.insert_or_assign(file.native(), std::move(place));
}

std::filesystem::path FileBatch::KeptBesideAt(const std::string& file) const {
    const auto found = mKeptAt.find(file);
    return found == mKeptAt.end() ? fs::path() : found->second;
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
        RenameIntoPlace(mRenamed, steps);
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
    mRecords.reserve(mFiles.size());
    for (size_t i = 0; i < mFiles.size(); ++i) {
        mRecords.push_back(RecordOf(mFiles[i], mAsRead[i]));
        list.Line(mRecords[i] + "\t" + fs::path(mFiles[i]).lexically_relative(mFolder).generic_string());
    }
    list.Save();
    steps.Listed();
}

void FileBatch::RenameIntoPlace(size_t index, SaveSteps& steps) {
    const fs::path file = mFiles[index];
    if (IsAsRecorded(file, mRecords[index], kSaveListVersion)) {
        Rename(TemporaryOf(file), file);
    } else {
        const auto place = mKeepAt.find(mFiles[index]);
        KeptFile kept = KeepBeside(mFolder, file, "after it was read", "this save",
                                   place == mKeepAt.end() ? fs::path() : place->second);
        mKeptAt.emplace(mFiles[index], std::move(kept.unsaved));
        mKept.push_back(std::move(kept.message));
    }
    steps.Renamed(file);
}

std::vector<std::string> RecoverInterruptedSave(const std::filesystem::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return {};
    FolderLock lock(folder);
    std::vector<std::string> messages;
    for (KeptFile& kept : RecoverLocked(folder).kept)
        messages.push_back(std::move(kept.message));
    return messages;
}

void TellKept(vb::Error& error, const std::vector<std::string>& kept) {
    std::string description = error.Description();
    for (const std::string& message : kept)
        description += "\n" + message;
    error.SetDescription(std::move(description));
}

ScopedSaveSteps::ScopedSaveSteps(SaveSteps& steps) : mPrevious(CurrentSteps()) {
    CurrentSteps() = &steps;
}

ScopedSaveSteps::~ScopedSaveSteps() {
    CurrentSteps() = mPrevious;
}

}  // namespace vbide
