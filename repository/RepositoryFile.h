#pragma once
// Where the repository lies and how it is opened: by the main window once, when it loads, and by a command
// that only reads it.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/dao/SqliteDatabase.h"
#include "platform/vb/Error.h"

namespace repository {

inline constexpr const char* kRepositoryFileName = "vbostrel.mdb";
// What the main window shows when there is no repository file to open.
inline constexpr const char* kDatabaseNotFoundMessage = "The VBOstrel database cannot be found!";
inline constexpr const char* kDatabaseNotFoundTitle = "Error - Database Not Found";
// kDatabaseNotFoundMessage with the repository file looked for.
std::string DatabaseNotFoundAt(const std::filesystem::path& file);
// The title of UnusableRepository's message.
inline constexpr const char* kDatabaseNotUsableTitle = "Error - Database Not Usable";

// A repository file that exists but cannot be used: not a repository, damaged, or (for a command that only
// reads) of an older format. The description names the file and the reason; the number is the cause's.
class UnusableRepository : public vb::Error {
  public:
    UnusableRepository(int32_t number, const std::filesystem::path& file, const std::string& reason);
};

// The folder `ToolDBPath` starts as: the per-user data folder, since an installed library's own folder
// is read-only.
std::filesystem::path DefaultToolDBPath();

// Opens "vbostrel.mdb" in `toolDBPath`, creating the folder and an empty repository when there is no file
// (a first start), then runs the version check. When there is none and none can be made, an error whose
// description is kDatabaseNotFoundMessage; UnusableRepository for a file that cannot be used, which is left
// unchanged, and UnwritableRepository for one of an older format that the system does not let it bring up
// to date.
std::unique_ptr<dao::SqliteDatabase> OpenRepository(const std::filesystem::path& toolDBPath);

// Opens the repository `file` for reading only, changing nothing: a missing file raises 53 with
// kDatabaseNotFoundMessage and the path; a file that cannot be used raises UnusableRepository, and one that
// the version check would have to bring up to date 3343 saying so.
std::unique_ptr<dao::SqliteDatabase> OpenRepositoryToRead(const std::filesystem::path& file);

}  // namespace repository
