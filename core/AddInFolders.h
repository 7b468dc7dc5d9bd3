#pragma once
// The folder the add-in library was loaded from.

#include <filesystem>
#include <string>

#include "platform/vb/Error.h"

namespace core {

// The folder of the loaded library that holds the add-in (App.Path).
std::filesystem::path AddInFolder();

// 75 for a temporary folder that cannot be used; the description names the folder and says why.
class UnusableTempFolder : public vb::Error {
  public:
    UnusableTempFolder(const std::filesystem::path& folder, const std::string& reason);
};

// The per-user temporary folder ("<temp>/ostrel-<uid>"), for scratch files that must not land in a shared
// folder or in the add-in's own. Created private to the user; UnusableTempFolder when the temporary folder
// is missing or the path is taken by anything else (a link, a file, another user's folder, a folder others
// may use).
std::filesystem::path UserTempFolder();

// One run's folder for scratch files inside UserTempFolder(), made exclusively ("run-<pid>-XXXXXX") so
// that runs at once never share a name, and removed with its files when the object goes, whether the run
// failed or not. Folders left by runs whose process has ended (killed) are removed when a new one is made.
class ScratchFolder {
  public:
    // UnusableTempFolder when the folder cannot be made.
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return mPath; }

  private:
    std::filesystem::path mPath;
};

}  // namespace core
