#pragma once
// Several files of one folder saved as one. Each is written to its temporary file; all of them are flushed
// to disk together (one flush per file system, not one per file); then a save list naming them all is put
// into the folder, the temporary files are renamed over their files, the folders are flushed and the list is
// removed. A save stopped before its list exists (a failure, a kill, a power loss) leaves every file as it
// was; one stopped after it (a rename that fails, too) is finished by the next RecoverInterruptedSave, which
// finds the temporary files the list names where the save left them. Saves and recoveries of one folder
// wait for each other.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/ide/TextFile.h"

namespace vbide {

class FolderLock;

class FileBatch {
  public:
    // `folder` must exist; a save of it that was interrupted is finished first. 75 when it cannot be locked.
    explicit FileBatch(std::filesystem::path folder);
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Writes `file` (in the folder or one of its subfolders) through `write`, into its temporary file.
    template <typename Write>
    void Add(const std::filesystem::path& file, Write&& write) {
        TextWriter writer(file);
        write(writer);
        writer.Close();
        mFiles.push_back(file.native());
        writer.Release();
    }

    // Puts every file in place; 75 when that fails.
    void Commit();
    // The files added, in their order.
    const std::vector<std::string>& Files() const { return mFiles; }

  private:
    std::filesystem::path mFolder;
    std::unique_ptr<FolderLock> mLock;
    // The files written so far; until the save list may exist, the temporary files of those from mRenamed
    // on are the batch's to remove. Plain strings: a large application saves thousands of files, and a path
    // keeps its parts besides.
    std::vector<std::string> mFiles;
    size_t mRenamed = 0;
    bool mListed = false;
};

// Finishes a save of `folder` that was stopped after its list was written, and removes the temporary files
// that stopped saves left in the folder and its subfolders. Nothing when the folder does not exist.
void RecoverInterruptedSave(const std::filesystem::path& folder);

}  // namespace vbide
