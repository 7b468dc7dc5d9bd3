#include "repository/VersionCheck.h"

#include "repository/RepositorySchema.h"
#include "repository/RepositoryWrite.h"

namespace repository {

namespace {

// Each column on its own test, so a file that has one column of a pair still gets the other.
void AddMissingLaterColumns(dao::SqliteDatabase& repository) {
    for (const LaterColumn& later : LaterColumns()) {
        if (!repository.ColumnExists(later.Table, later.Column.Name))
            repository.AddColumn(later.Table, later.Column);
    }
}

std::string FirstMissingLaterColumn(dao::SqliteDatabase& repository) {
    for (const LaterColumn& later : LaterColumns()) {
        if (!repository.ColumnExists(later.Table, later.Column.Name))
            return "its table " + later.Table + " has no column " + later.Column.Name;
    }
    return {};
}

bool HoldsCurrentVersion(dao::SqliteDatabase& repository) {
    for (const dao::Row& row : repository.Select(kVersionTable)) {
        const vb::Variant& version = row[kVersionColumn];
        if (!version.IsNull() && version.ToString() == kCurrentVersion)
            return true;
    }
    return false;
}

}  // namespace

void CheckDBVersion(dao::SqliteDatabase& repository) {
    // A file that needs no change is not written, and so may be one the system lets it read only.
    if (PendingVersionChange(repository).empty())
        return;
    WriteRepository(repository, [&repository] {
        if (!repository.TableExists(kVersionTable)) {
            repository.CreateTable(kVersionTable, {{kVersionColumn, dao::FieldType::Text}});
            repository.Insert(kVersionTable, {{kVersionColumn, kCurrentVersion}});
        }
        AddMissingLaterColumns(repository);
    });
}

std::string PendingVersionChange(dao::SqliteDatabase& repository) {
    if (!repository.TableExists(kVersionTable))
        return "it has no table " + std::string(kVersionTable);
    return HoldsCurrentVersion(repository) ? FirstMissingLaterColumn(repository) : std::string();
}

}  // namespace repository
