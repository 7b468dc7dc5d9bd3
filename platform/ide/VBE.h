#pragma once
// The IDE's root object: the project group, the windows, the command bars and the event sources.
//
// Members used by the add-in: VBProjects (enumerate in order, Add(type) for 0 standard executable,
// 1 ActiveX executable, 2 ActiveX library, each new project holding "Form1" for type 0 and "Class1"
// otherwise; StartProject, whose assignment refuses a project outside the group with 5), Windows,
// CommandBars, Events. Revision() advances with every change, for a window that shows the IDE.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ide/ChangeCounter.h"
#include "platform/ide/CommandBars.h"
#include "platform/ide/VBProject.h"
#include "platform/ide/Windows.h"
#include "platform/vb/FileStamp.h"
#include "platform/vb/Object.h"

namespace vbide {

class VBE;

class VBProjects {
  public:
    explicit VBProjects(VBE& vbe) : mVBE(vbe) {}

    int32_t Count() const { return static_cast<int32_t>(mProjects.size()); }
    std::shared_ptr<VBProject> Item(int32_t index) const;  // from 1
    auto begin() const { return mProjects.begin(); }
    auto end() const { return mProjects.end(); }

    // 5 for a type other than 0, 1 and 2.
    std::shared_ptr<VBProject> Add(int32_t type);

    // The project set as start project, or else the first; null for an empty group.
    std::shared_ptr<VBProject> StartProject() const;
    void SetStartProject(const std::shared_ptr<VBProject>& project);

    // Opening a group: its projects replace the ones held, all at once.
    void ReplaceAll(std::vector<std::shared_ptr<VBProject>> projects, std::shared_ptr<VBProject> start);

  private:
    VBE& mVBE;
    std::vector<std::shared_ptr<VBProject>> mProjects;
    std::weak_ptr<VBProject> mStart;
};

// Where a save kept the IDE's text of a file beside it (the file had changed after it was read), and that
// kept file's own stamp as the save left it.
struct KeptBeside {
    std::filesystem::path place;
    std::optional<vb::FileStamp> stamp;
};

// A file of the group on disk and its own stamp (vb::OwnStampOf) when it was read or written (nothing: it
// was not there); for a file whose save kept the IDE's text beside it, the stamp stays the one read.
struct ListedFile {
    std::string path;
    std::optional<vb::FileStamp> stamp;
    std::optional<KeptBeside> kept = std::nullopt;
};

// A file's one spelling among the listed files: absolute, links and "." and ".." resolved as far as the
// path exists.
struct FileKey {
    std::string text;
};

// Keys of files, each folder resolved once: a save looks up thousands of files in a few folders. A file
// that is no link (or is not there) takes its folder's key and its name; only a link is resolved itself.
// One lives for one save or one reading of a group.
class FileKeys {
  public:
    FileKey Of(const std::filesystem::path& file, bool link);

  private:
    std::unordered_map<std::string, std::filesystem::path> mFolderKeys;
};

class VBE : public vb::Object, public std::enable_shared_from_this<VBE> {
  public:
    VBE();

    vbide::VBProjects& VBProjects() { return mProjects; }
    const vbide::VBProjects& VBProjects() const { return mProjects; }
    vbide::Windows& Windows() { return mWindows; }
    const vbide::Windows& Windows() const { return mWindows; }
    vbide::CommandBars& CommandBars() { return mCommandBars; }
    vbide::Events& Events() { return mEvents; }

    // The files of the group on disk as it was last opened from or saved to (the group file, its project
    // files and their component files), each with its stamp when it was read or written: a save writes
    // over no other file, and over none that changed since. Opening a group replaces them.
    bool ListsFile(const FileKey& file) const;
    // A listed file's stamp; nothing for a file not listed, or not there when it was read.
    std::optional<vb::FileStamp> ListedStamp(const FileKey& file) const;
    // Where the last save kept the IDE's text of a listed file beside it; nothing when it wrote the file.
    std::optional<KeptBeside> ListedKeptBeside(const FileKey& file) const;
    // Whether some of the IDE's text is only in files kept beside the group's own.
    bool HoldsTextKeptBeside() const { return mKeptBesideCount > 0; }
    void SetListedFiles(const std::vector<ListedFile>& files);
    // A listed file takes its stamp as it is now: a save may write over it.
    void RestampListedFile(const std::filesystem::path& file);

    uint64_t Revision() const { return mChanges->value; }
    const ChangeCounterPtr& Changes() const { return mChanges; }

  private:
    ChangeCounterPtr mChanges = std::make_shared<ChangeCounter>();
    vbide::VBProjects mProjects{*this};
    vbide::Windows mWindows{*this, mChanges};
    vbide::CommandBars mCommandBars{mChanges};
    vbide::Events mEvents;
    struct ListedState {
        std::optional<vb::FileStamp> stamp;
        std::optional<KeptBeside> kept;
    };
    // By FileKey's text.
    std::unordered_map<std::string, ListedState> mListedFiles;
    size_t mKeptBesideCount = 0;
};

}  // namespace vbide
