// What an SQLite file tells about its tables, and the changes a version upgrade makes to them.

#include <algorithm>
#include <unordered_map>

#include "platform/dao/Errors.h"
#include "platform/dao/SqlText.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/dao/SqliteTypes.h"

namespace dao {

namespace {

constexpr const char* kPrimaryKeyName = "PrimaryKey";

std::string Text(const vb::Variant& value) {
    return value.IsNull() ? std::string() : value.ToString();
}

}  // namespace

std::vector<std::string> SqliteDatabase::TableNames() {
    const RowSet rows = Query(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
        "ORDER BY rowid");
    std::vector<std::string> names;
    for (const Row& row : rows)
        names.push_back(row[0].ToString());
    return names;
}

void SqliteDatabase::RequireTable(const std::string& table) {
    const RowSet rows =
        Query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE", {table});
    if (rows.IsEmpty()) {
        RaiseEngineError({kItemNotFound, "Item not found in this collection.", kSqliteSource});
    }
}

std::vector<ColumnInfo> SqliteDatabase::Columns(const std::string& table) {
    RequireTable(table);
    const RowSet rows =
        Query("SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1) ORDER BY cid", {table});
    std::vector<ColumnInfo> columns;
    for (const Row& row : rows) {
        const DeclaredType declared = ParseDeclaredType(Text(row[1]));
        // A primary key column that SQLite lets be Null is still never Null in use.
        const bool isNullable = !row[2].ToBoolean() && row[3].ToLong() == 0;
        columns.push_back({row[0].ToString(), declared.Type, declared.Size, isNullable});
    }
    return columns;
}

std::vector<IndexInfo> SqliteDatabase::Indexes(const std::string& table) {
    RequireTable(table);
    std::vector<IndexInfo> indexes;
    IndexInfo primary{kPrimaryKeyName, true, true, {}};
    const RowSet keyColumns =
        Query("SELECT name FROM pragma_table_info(?1) WHERE pk > 0 ORDER BY pk", {table});
    for (const Row& row : keyColumns)
        primary.Columns.push_back(row[0].ToString());
    if (!primary.Columns.empty())
        indexes.push_back(std::move(primary));

    const RowSet list =
        Query("SELECT name, \"unique\" FROM pragma_index_list(?1) WHERE origin <> 'pk'", {table});
    for (const Row& row : list) {
        IndexInfo index{row[0].ToString(), false, row[1].ToBoolean(), {}};
        const RowSet columns = Query("SELECT name FROM pragma_index_info(?1) ORDER BY seqno", {index.Name});
        for (const Row& column : columns)
            index.Columns.push_back(Text(column[0]));
        indexes.push_back(std::move(index));
    }
    return indexes;
}

std::vector<RelationInfo> SqliteDatabase::Relations() {
    std::vector<RelationInfo> relations;
    for (const std::string& table : TableNames()) {
        const RowSet keys =
            Query("SELECT id, \"table\", \"from\", \"to\" FROM pragma_foreign_key_list(?1) ORDER BY id, seq",
                  {table});
        std::unordered_map<int32_t, std::size_t> relationOfKey;
        for (const Row& key : keys) {
            const int32_t id = key[0].ToLong();
            auto [found, isNew] = relationOfKey.try_emplace(id, relations.size());
            if (isNew) {
                const std::string primaryTable = key[1].ToString();
                relations.push_back({primaryTable + table, primaryTable, table, {}, true});
            }
            RelationInfo& relation = relations[found->second];
            relation.Columns.push_back({Text(key[3]), key[2].ToString()});
        }
    }
    // A key declared without the referenced columns refers to the primary key.
    for (RelationInfo& relation : relations) {
        std::vector<std::string> primaryKey;
        for (std::size_t i = 0; i < relation.Columns.size(); ++i) {
            if (!relation.Columns[i].Name.empty())
                continue;
            if (primaryKey.empty()) {
                for (const IndexInfo& index : Indexes(relation.Table)) {
                    if (index.IsPrimary)
                        primaryKey = index.Columns;
                }
            }
            if (i < primaryKey.size())
                relation.Columns[i].Name = primaryKey[i];
        }
    }
    return relations;
}

void SqliteDatabase::CreateTable(const std::string& table, const std::vector<ColumnDefinition>& columns) {
    std::string sql = "CREATE TABLE " + QuoteIdentifier(table) + " (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            sql += ", ";
        sql += QuoteIdentifier(columns[i].Name) + " " + ColumnDeclaration(columns[i]);
    }
    sql += ")";
    Execute(sql);
}

void SqliteDatabase::AddColumn(const std::string& table, const ColumnDefinition& column) {
    Execute("ALTER TABLE " + QuoteIdentifier(table) + " ADD COLUMN " + QuoteIdentifier(column.Name) + " " +
            ColumnDeclaration(column));
}

void SqliteDatabase::CreateIndex(const std::string& name, const std::string& table,
                                 const std::vector<std::string>& columns) {
    std::string sql = "CREATE INDEX " + QuoteIdentifier(name) + " ON " + QuoteIdentifier(table) + " (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            sql += ", ";
        sql += QuoteIdentifier(columns[i]);
    }
    sql += ")";
    Execute(sql);
}

}  // namespace dao
