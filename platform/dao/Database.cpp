#include "platform/dao/Database.h"

#include <algorithm>

#include "platform/dao/AccessDatabase.h"
#include "platform/dao/Errors.h"
#include "platform/dao/FileFormat.h"
#include "platform/dao/SqliteDatabase.h"

namespace dao {

bool Database::TableExists(std::string_view table) {
    const std::vector<std::string> names = TableNames();
    return std::find(names.begin(), names.end(), table) != names.end();
}

bool Database::ColumnExists(const std::string& table, std::string_view column) {
    const std::vector<ColumnInfo> columns = Columns(table);
    return std::any_of(columns.begin(), columns.end(),
                       [&](const ColumnInfo& info) { return info.Name == column; });
}

std::unique_ptr<Database> OpenDatabase(const std::filesystem::path& file, OpenMode mode) {
    switch (DetectFileFormat(file)) {
        case FileFormat::Missing:
            if (mode != OpenMode::CreateIfMissing)
                RaiseFileNotFound(file, "OpenDatabase");
            return SqliteDatabase::Open(file, mode);
        case FileFormat::Sqlite:
            return SqliteDatabase::Open(file, mode);
        case FileFormat::Access:
            return AccessDatabase::Open(file);
        case FileFormat::Unknown:
            break;
    }
    RaiseEngineError({kUnrecognizedDatabaseFormat, "Unrecognized database format '" + file.string() + "'.",
                      "OpenDatabase"});
}

}  // namespace dao
