#include "repository/RepositoryFile.h"

#include <algorithm>

#include "platform/dao/Errors.h"
#include "platform/dao/UserDataFolder.h"
#include "platform/vb/Error.h"
#include "repository/RepositorySchema.h"
#include "repository/VersionCheck.h"

namespace repository {

namespace {

constexpr const char* kSource = "OpenRepository";

// Every table and every column of the older format must be there; the later columns may be missing.
bool IsRepository(dao::SqliteDatabase& db) {
    const auto integrity = db.Query("PRAGMA quick_check");
    if (integrity.Count() != 1 || integrity[0][0].ToString() != "ok")
        return false;
    for (const TableSchema& table : RepositoryTables()) {
        if (!db.TableExists(table.Name))
            return false;
        const std::vector<dao::ColumnInfo> columns = db.Columns(table.Name);
        for (const dao::ColumnDefinition& column : table.Columns) {
            const bool isLater =
                std::any_of(LaterColumns().begin(), LaterColumns().end(), [&](const LaterColumn& later) {
                    return later.Table == table.Name && later.Column.Name == column.Name;
                });
            const bool isPresent =
                std::any_of(columns.begin(), columns.end(),
                            [&](const dao::ColumnInfo& info) { return info.Name == column.Name; });
            if (!isPresent && !isLater)
                return false;
        }
    }
    return true;
}

}  // namespace

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
    return OpenRepositoryFile(file);
}

std::unique_ptr<dao::SqliteDatabase> OpenRepositoryFile(const std::filesystem::path& file) {
    try {
        auto db = dao::SqliteDatabase::Open(file, dao::OpenMode::ReadWrite);
        if (!IsRepository(*db))
            vb::Raise(dao::kUnrecognizedDatabaseFormat, kSource);
        CheckDBVersion(*db);
        return db;
    } catch (const vb::Error& error) {
        throw vb::Error(error.Number(), kDatabaseNotFoundMessage, kSource);
    } catch (const std::filesystem::filesystem_error&) {
        throw vb::Error(vb::kPathFileAccess, kDatabaseNotFoundMessage, kSource);
    }
}

}  // namespace repository
