#include "repository/RepositoryWrite.h"

#include <cerrno>

#include "platform/ide/FileSystemError.h"

namespace repository {

namespace {

constexpr const char* kSource = "WriteRepository";

std::string Refusal(const std::filesystem::path& file, UnwritableRepository::Place place, int systemError) {
    std::string refusal =
        "The repository " + file.string() + " cannot be written: " + vbide::SystemReason(systemError);
    if (place == UnwritableRepository::Place::Folder)
        refusal +=
            " in its folder " + file.parent_path().string() + ", where each write first makes a journal file";
    return refusal + ".";
}

}  // namespace

UnwritableRepository::UnwritableRepository(const std::filesystem::path& file, Place place, int systemError)
    : vb::Error(vb::kPermissionDenied, Refusal(file, place, systemError), kSource), mPlace(place) {}

std::string UnwritableRepository::Told(std::string_view undone, std::string_view retry) const {
    return Description() + " " + std::string(undone) + " Make the " +
           (mPlace == Place::Folder ? "folder" : "file") + " writable, then " + std::string(retry) + ".";
}

void RequireWritable(dao::SqliteDatabase& repository) {
    if (const int refusal = repository.WriteRefusal(); refusal != 0)
        throw UnwritableRepository(repository.Path(), UnwritableRepository::Place::File, refusal);
}

void WriteRepository(dao::SqliteDatabase& repository, const std::function<void()>& write) {
    RequireWritable(repository);
    try {
        dao::Transaction transaction(repository);
        write();
        transaction.Commit();
    } catch (const vb::Error& error) {
        // SQLite says so only when the system refused the journal permission.
        if (error.Number() == dao::kJournalRefused)
            throw UnwritableRepository(repository.Path(), UnwritableRepository::Place::Folder, EACCES);
        throw;
    }
}

}  // namespace repository
