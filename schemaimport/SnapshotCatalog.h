#pragma once
// A catalog read a whole kind at a time (every table's columns in one query, ...) and answered from
// memory: the backends of SQLite, PostgreSQL and Access files.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

class SnapshotCatalog : public SchemaCatalog {
  public:
    std::vector<CatalogTable> Tables() override {
        if (!mTables)
            mTables = LoadTables();
        return *mTables;
    }
    std::vector<CatalogColumn> Columns(const std::string& table) override {
        return Of(mColumns, table, &SnapshotCatalog::LoadColumns);
    }
    std::vector<std::string> PrimaryKey(const std::string& table) override {
        return Of(mKeys, table, &SnapshotCatalog::LoadPrimaryKeys);
    }
    std::vector<CatalogForeignKey> ForeignKeys(const std::string& childTable) override {
        return Of(mForeignKeys, childTable, &SnapshotCatalog::LoadForeignKeys);
    }

  protected:
    template <typename T>
    using ByTable = std::unordered_map<std::string, std::vector<T>>;

    virtual std::vector<CatalogTable> LoadTables() = 0;
    // A backend that reads columns and keys one table at a time overrides Columns and PrimaryKey instead.
    virtual ByTable<CatalogColumn> LoadColumns() { return {}; }
    virtual ByTable<std::string> LoadPrimaryKeys() { return {}; }
    virtual ByTable<CatalogForeignKey> LoadForeignKeys() = 0;

  private:
    template <typename T>
    std::vector<T> Of(std::optional<ByTable<T>>& kind, const std::string& table,
                      ByTable<T> (SnapshotCatalog::*load)()) {
        if (!kind)
            kind = (this->*load)();
        const auto found = kind->find(table);
        return found == kind->end() ? std::vector<T>{} : found->second;
    }

    std::optional<std::vector<CatalogTable>> mTables;
    std::optional<ByTable<CatalogColumn>> mColumns;
    std::optional<ByTable<std::string>> mKeys;
    std::optional<ByTable<CatalogForeignKey>> mForeignKeys;
};

}  // namespace schemaimport
