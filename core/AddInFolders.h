#pragma once
// The folder the add-in library was loaded from.

#include <filesystem>

namespace core {

// The folder of the loaded library that holds the add-in (App.Path).
std::filesystem::path AddInFolder();

// The per-user temporary folder ("<temp>/ostrel-<uid>"), for scratch files that must not land in a shared
// folder or in the add-in's own. Created private to the user; 75 when the path is taken by anything else
// (a link, a file, another user's folder).
std::filesystem::path UserTempFolder();

// One run's folder for scratch files inside UserTempFolder(), made exclusively ("run-<pid>-XXXXXX") so
// that runs at once never share a name, and removed with its files when the object goes, whether the run
// failed or not. Folders left by runs whose process has ended (killed) are removed when a new one is made.
class ScratchFolder {
  public:
    // 75 when the folder cannot be made.
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return mPath; }

  private:
    std::filesystem::path mPath;
};

}  // namespace core
