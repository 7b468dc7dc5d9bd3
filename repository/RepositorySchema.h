#pragma once
// The repository's tables: one row per model object, children joined to parents by Long ID columns,
// AutoNumber IDs that are never reused.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dao/Schema.h"

namespace repository {

inline constexpr const char* kVersionTable = "VBOstrel";
inline constexpr const char* kVersionColumn = "Version";
inline constexpr const char* kCurrentVersion = "1.1";

struct TableSchema {
    std::string Name;
    std::vector<dao::ColumnDefinition> Columns;
    // Parent links that loads and deletes look rows up by.
    std::vector<std::string> LinkColumns;
};

// The model tables (not the version table), in creation order, with every column of the current format.
const std::vector<TableSchema>& RepositoryTables();

// A column that the current format added to an older one.
struct LaterColumn {
    std::string Table;
    dao::ColumnDefinition Column;
};
const std::vector<LaterColumn>& LaterColumns();

// Writes a new, empty repository of the current format. The file appears complete or not at all;
// error 58 when it exists already.
void CreateRepository(const std::filesystem::path& file);

}  // namespace repository
