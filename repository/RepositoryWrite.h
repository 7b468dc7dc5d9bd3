#pragma once
// Every change of the repository's rows: one transaction, refused as a whole when the system lets this
// process read the file but not write it, or not make the journal SQLite keeps in the file's folder while
// it writes.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/dao/SqliteDatabase.h"
#include "platform/vb/Error.h"

namespace repository {

// The title of UnwritableRepository's message.
inline constexpr const char* kDatabaseNotWritableTitle = "Error - Database Not Writable";

// A repository file, or its folder, that the system does not let this process write (70): the
// description names the file, the folder when it is the folder, and the system's reason.
class UnwritableRepository : public vb::Error {
  public:
    enum class Place { File, Folder };
    UnwritableRepository(const std::filesystem::path& file, Place place, int systemError);

    // The description, then what the command left undone ("Nothing has been deleted.") and what to do:
    // make the file or the folder writable, then `retry` ("delete it again").
    std::string Told(std::string_view undone, std::string_view retry) const;

  private:
    Place mPlace;
};

// Raises UnwritableRepository when the system does not let this process write the file.
void RequireWritable(dao::SqliteDatabase& repository);

// Runs `write` in one transaction, after RequireWritable. A folder that refuses the journal raises
// UnwritableRepository; on any error nothing is written.
void WriteRepository(dao::SqliteDatabase& repository, const std::function<void()>& write);

}  // namespace repository
