#pragma once
// An Access (Jet) file, read through libmdb. Read only: it has no statements, only table reads.

#include <filesystem>
#include <memory>

#include "platform/dao/Database.h"

namespace dao {

class AccessDatabase final : public Database {
  public:
    // 3024 for a missing file, 3343 for a file libmdb cannot read.
    static std::unique_ptr<AccessDatabase> Open(const std::filesystem::path& file);
    ~AccessDatabase() override;
    AccessDatabase(const AccessDatabase&) = delete;
    AccessDatabase& operator=(const AccessDatabase&) = delete;

    const std::filesystem::path& Path() const override { return mPath; }
    std::vector<std::string> TableNames() override;
    std::vector<ColumnInfo> Columns(const std::string& table) override;
    // The primary key and the other indexes (not the hidden indexes behind relations).
    std::vector<IndexInfo> Indexes(const std::string& table) override;
    // From the file's MSysRelationships table.
    std::vector<RelationInfo> Relations() override;
    RowSet SelectRows(const std::string& table, const std::vector<Criterion>& criteria = {}) override;

  private:
    struct Handle;
    AccessDatabase(std::filesystem::path path, std::unique_ptr<Handle> handle);

    std::filesystem::path mPath;
    std::unique_ptr<Handle> mHandle;
};

}  // namespace dao
