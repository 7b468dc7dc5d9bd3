#pragma once
// A database file: an SQLite file (read and written) or an Access (Jet) file (read only). What both give
// is here; SqliteDatabase adds statements, transactions and schema changes.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/RowSet.h"
#include "platform/dao/Schema.h"
#include "platform/vb/Variant.h"

namespace dao {

enum class OpenMode {
    ReadOnly,
    ReadWrite,       // the file must exist
    CreateIfMissing  // an SQLite file is created when there is none
};

// column = value; text compares ignoring letter case, as the Jet engine compares it.
struct Criterion {
    std::string Column;
    vb::Variant Value;
};

class Database {
  public:
    virtual ~Database() = default;

    virtual const std::filesystem::path& Path() const = 0;

    // User tables in the file's order (no system tables).
    virtual std::vector<std::string> TableNames() = 0;
    // 3265 when the table does not exist.
    virtual std::vector<ColumnInfo> Columns(const std::string& table) = 0;
    virtual std::vector<IndexInfo> Indexes(const std::string& table) = 0;
    virtual std::vector<RelationInfo> Relations() = 0;

    // Names compared exactly.
    bool TableExists(std::string_view table);
    bool ColumnExists(const std::string& table, std::string_view column);

    // The rows of `table` that meet every criterion (all rows for none). A Null value meets nothing.
    virtual RowSet SelectRows(const std::string& table, const std::vector<Criterion>& criteria = {}) = 0;
};

// Opens an SQLite or an Access file, told apart by the file's header. An Access file is always opened
// read-only. Raises 3024 for a missing file (unless an SQLite file may be created), 3343 for a file of
// neither kind.
std::unique_ptr<Database> OpenDatabase(const std::filesystem::path& file, OpenMode mode = OpenMode::ReadOnly);

}  // namespace dao
