#pragma once
// Where the repository lies and how the main window opens it: once, when it loads.

#include <filesystem>
#include <memory>

#include "platform/dao/SqliteDatabase.h"

namespace repository {

inline constexpr const char* kRepositoryFileName = "vbostrel.mdb";
// What the main window shows when OpenRepository fails.
inline constexpr const char* kDatabaseNotFoundMessage = "The VBOstrel database cannot be found!";
inline constexpr const char* kDatabaseNotFoundTitle = "Error - Database Not Found";

// The folder `ToolDBPath` starts as: the per-user data folder, since an installed library's own folder
// is read-only.
std::filesystem::path DefaultToolDBPath();

// Opens "vbostrel.mdb" in `toolDBPath`, creating the folder and an empty repository when there is no file
// (a first start), then runs the version check. A file that is not a repository, or is damaged, raises
// an error whose description is kDatabaseNotFoundMessage and whose number is that of the cause; such a
// file is left unchanged.
std::unique_ptr<dao::SqliteDatabase> OpenRepository(const std::filesystem::path& toolDBPath);

// Opens the repository `file` as OpenRepository does, creating nothing: a missing file fails like a damaged
// one.
std::unique_ptr<dao::SqliteDatabase> OpenRepositoryFile(const std::filesystem::path& file);

}  // namespace repository
