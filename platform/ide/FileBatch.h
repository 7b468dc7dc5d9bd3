#pragma once
// Several files of one folder saved as one. Each is written to its temporary file; all of them are flushed
// to disk together (one flush per file system, not one per file); then a save list naming them all is put
// into the folder, the temporary files are renamed over their files, the folders are flushed and the list is
// removed. A save stopped before its list exists (a failure, a kill, a power loss) leaves every file as it
// was; one stopped after it (a rename that fails, too) is finished by the next RecoverInterruptedSave, which
// finds the temporary files the list names where the save left them. Saves and recoveries of one folder
// wait for each other.
//
// A file kept beside is noted in the list before its temporary file goes there, so that a save stopped
// after it still has the next recovery tell where the file's text is kept.
//
// The list also records what each file was when the caller read it (absent, or its size, modification
// time, inode, change time, which a chmod moves too, and permission bits, with a hash of its content). The
// commit and the recovery rename a temporary file over its file only while the file is still that: a file
// the developer changed in between stays, and the temporary file is kept beside it as "<file>.unsaved"
// (numbered when that name is taken, unless the caller names the place: an earlier save's "<file>.unsaved",
// brought up to date). A file whose inode or change time alone differ, as in a copied
// folder, is compared by its content. A list left by an older build is finished as that build would
// finish it: one without hashes takes such a file as changed, one without change times compares without
// them, one that names the files alone renames unasked. Temporary files are made new, never written
// through a link.

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ide/TextFile.h"
#include "platform/vb/Error.h"
#include "platform/vb/FileStamp.h"

namespace vbide {

class FolderLock;
class SaveSteps;

class FileBatch {
  public:
    // `folder` must exist; a save of it that was interrupted is finished first (what that kept: Kept()). 75
    // when it cannot be locked, or when something that is no save list stands where the save list goes, or
    // something that is neither a file nor a link where a temporary file goes (nothing is written then;
    // the error tells Kept() too).
    explicit FileBatch(std::filesystem::path folder);
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Writes `file` (in the folder or one of its subfolders) through `write`, into its temporary file.
    // `asRead` is what the file was when the caller read it (nothing: it was not there); the commit keeps
    // a file that changed since. 75 for a file that the constructor's recovery left as the developer
    // changed it: the batch must not write over it unasked.
    template <typename Write>
    void Add(const std::filesystem::path& file, const std::optional<vb::FileStamp>& asRead, Write&& write) {
        RequireNotKept(file);
        TextWriter writer(file);
        write(writer);
        writer.Close();
        Added(file, asRead);
        writer.Release();
    }

    // Where the commit keeps `file` beside when it changed since read: `place`, written over, instead of a
    // new "<file>.unsaved".
    void KeepBesideAt(const std::filesystem::path& file, std::filesystem::path place);
    // Puts every file in place; 75 when that fails.
    void Commit();
    // Where the commit kept `file` beside; empty when it put the file in place.
    std::filesystem::path KeptBesideAt(const std::string& file) const;
    // The files added, in their order.
    const std::vector<std::string>& Files() const { return mFiles; }
    // One message for each file left as the developer changed it: RecoverInterruptedSave's for the save the
    // constructor finished, then the commit's.
    const std::vector<std::string>& Kept() const { return mKept; }
    // The files that the constructor's recovery put in place or kept: the save it finished came before
    // this one.
    const std::vector<std::filesystem::path>& RecoveredFiles() const { return mRecoveredFiles; }

  private:
    void RequireNotKept(const std::filesystem::path& file) const;
    // Keeps `file`, whose temporary file is written, with what it was when read.
    void Added(const std::filesystem::path& file, const std::optional<vb::FileStamp>& asRead);
    // The steps of Commit, each told to `steps` when done.
    void FlushTemporaryFiles(const std::set<std::filesystem::path>& folders, SaveSteps& steps);
    void WriteSaveList(SaveSteps& steps);
    // Renames the temporary file of mFiles[index] over it, or beside it when the file changed since read.
    void RenameIntoPlace(size_t index, SaveSteps& steps);

    std::filesystem::path mFolder;
    std::unique_ptr<FolderLock> mLock;
    std::vector<std::string> mKept;
    std::set<std::filesystem::path> mKeptFiles;  // the files mKept names, as lexically normal paths
    std::vector<std::filesystem::path> mRecoveredFiles;
    // The files written so far; until the save list may exist, the temporary files of those from mRenamed
    // on are the batch's to remove. Plain strings: a large application saves thousands of files, and a path
    // keeps its parts besides.
    std::vector<std::string> mFiles;
    std::vector<std::optional<vb::FileStamp>> mAsRead;  // what each of mFiles was when read
    std::vector<std::string> mRecords;                  // what the list records of each, once written
    std::unordered_map<std::string, std::filesystem::path> mKeepAt;  // see KeepBesideAt
    std::unordered_map<std::string, std::filesystem::path> mKeptAt;  // see KeptBesideAt
    size_t mRenamed = 0;
    bool mListed = false;
};

// Finishes a save of `folder` that was stopped after its list was written, and removes the temporary files
// that stopped saves left in the folder and its subfolders. Nothing when the folder does not exist. Returns
// one message for each file that changed since that save began and was left as it is, naming the file and
// where its temporary file was kept.
std::vector<std::string> RecoverInterruptedSave(const std::filesystem::path& folder);

// `kept` (messages of files kept beside) after the error's description, one line each.
void TellKept(vb::Error& error, const std::vector<std::string>& kept);

// Runs `body`; an error escaping it goes on with `kept` (a recovery's messages) after its description, one
// line each: work that fails after a recovery still tells which files the recovery kept.
template <typename Body>
decltype(auto) WithKeptMessages(const std::vector<std::string>& kept, Body&& body) {
    try {
        return body();
    } catch (vb::Error& error) {
        TellKept(error, kept);
        throw;
    }
}

// The steps of a commit as they happen, for a test that checks their order or stops a save at one of them
// (an exception thrown from a step leaves the disk as a kill at that moment would).
class SaveSteps {
  public:
    virtual ~SaveSteps() = default;
    virtual void Flushed() {}  // every temporary file is on disk
    virtual void Listed() {}   // the save list is in place
    virtual void Renamed(const std::filesystem::path& /*file*/) {}
};

// Puts `steps` in force for the commits made while the guard lives.
class ScopedSaveSteps {
  public:
    explicit ScopedSaveSteps(SaveSteps& steps);
    ~ScopedSaveSteps();
    ScopedSaveSteps(const ScopedSaveSteps&) = delete;
    ScopedSaveSteps& operator=(const ScopedSaveSteps&) = delete;

  private:
    SaveSteps* mPrevious;
};

}  // namespace vbide
