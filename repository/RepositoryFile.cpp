#include "repository/RepositoryFile.h"

#include <algorithm>
#include <sstream>

#include "platform/dao/Errors.h"
#include "platform/dao/UserDataFolder.h"
#include "repository/RepositorySchema.h"
#include "repository/RepositoryWrite.h"
#include "repository/VersionCheck.h"

namespace repository {

namespace {

constexpr const char* kSource = "OpenRepository";

bool HasColumn(const std::vector<dao::ColumnInfo>& columns, const std::string& name) {
    return std::any_of(columns.begin(), columns.end(),
                       [&](const dao::ColumnInfo& info) { return info.Name == name; });
}

// The first line of an integrity check's finding that is not the name of the database.
std::string FirstProblem(const std::string& found) {
    std::istringstream lines(found);
    std::string line;
    while (std::getline(lines, line) && line.starts_with("***")) {
    }
    return line;
}

// Why the file is no repository, or is damaged; empty when it is one. Every table and every column of the
// older format must be there; the later columns may be missing.
std::string RepositoryFault(dao::SqliteDatabase& db) {
    const auto integrity = db.Query("PRAGMA quick_check(1)");
    if (const std::string found = integrity[0][0].ToString(); found != "ok")
        return "its integrity check fails (" + FirstProblem(found) + ")";
    for (const TableSchema& table : RepositoryTables()) {
        if (!db.TableExists(table.Name))
            return "it has no table " + table.Name;
        const std::vector<dao::ColumnInfo> columns = db.Columns(table.Name);
        for (const dao::ColumnDefinition& column : table.Columns) {
            const bool isLater =
                std::any_of(LaterColumns().begin(), LaterColumns().end(), [&](const LaterColumn& later) {
                    return later.Table == table.Name && later.Column.Name == column.Name;
                });
            if (!isLater && !HasColumn(columns, column.Name))
                return "its table " + table.Name + " has no column " + column.Name;
        }
    }
    return {};
}

// Opens `file` in `mode` as a repository, or raises UnusableRepository.
std::unique_ptr<dao::SqliteDatabase> OpenUsable(const std::filesystem::path& file, dao::OpenMode mode) {
    std::unique_ptr<dao::SqliteDatabase> db;
    std::string fault;
    try {
        db = dao::SqliteDatabase::Open(file, mode);
        fault = RepositoryFault(*db);
    } catch (const vb::Error& error) {
        throw UnusableRepository(error.Number(), file, error.Description());
    }
    if (!fault.empty())
        throw UnusableRepository(dao::kUnrecognizedDatabaseFormat, file, fault);
    return db;
}

}  // namespace

UnusableRepository::UnusableRepository(int32_t number, const std::filesystem::path& file,
                                       const std::string& reason)
    : vb::Error(
          number,
          "The file " + file.string() + " is not a VBOstrel repository, or it is damaged: " + reason + ".",
          kSource) {}

std::filesystem::path DefaultToolDBPath() {
    return dao::UserDataFolder();
}

std::unique_ptr<dao::SqliteDatabase> OpenRepository(const std::filesystem::path& toolDBPath) {
    const std::filesystem::path file = toolDBPath / kRepositoryFileName;
    try {
        if (!std::filesystem::exists(file)) {
            std::filesystem::create_directories(toolDBPath);
            CreateRepository(file);
        }
    } catch (const vb::Error& error) {
        throw vb::Error(error.Number(), kDatabaseNotFoundMessage, kSource);
    } catch (const std::filesystem::filesystem_error&) {
        throw vb::Error(vb::kPathFileAccess, kDatabaseNotFoundMessage, kSource);
    }
    auto db = OpenUsable(file, dao::OpenMode::ReadWrite);
    try {
        CheckDBVersion(*db);
    } catch (const UnwritableRepository&) {
        throw;
    } catch (const vb::Error& error) {
        throw UnusableRepository(error.Number(), file, error.Description());
    }
    return db;
}

std::string DatabaseNotFoundAt(const std::filesystem::path& file) {
    return std::string(kDatabaseNotFoundMessage) + " (" + file.string() + ")";
}

std::unique_ptr<dao::SqliteDatabase> OpenRepositoryToRead(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        throw vb::Error(vb::kFileNotFound, DatabaseNotFoundAt(file), kSource);
    auto db = OpenUsable(file, dao::OpenMode::ReadOnly);
    if (const std::string older = PendingVersionChange(*db); !older.empty()) {
        throw vb::Error(
            dao::kUnrecognizedDatabaseFormat,
            "The file " + file.string() + " is a VBOstrel repository of an older format (" + older +
                "). This command only reads it and leaves it as it is: open it once in the builder, which "
                "brings it up to date, then run the command again.",
            kSource);
    }
    return db;
}

}  // namespace repository
