// SQLite through its ODBC driver, read from sqlite_master and the table pragmas: the driver's
// SQLPrimaryKeys numbers a composite key in column order and reports UNIQUE constraints as keys, and it
// reports a declared DECIMAL(p,s) as VARCHAR of size s.

#include <charconv>

#include "schemaimport/AdoTypes.h"
#include "schemaimport/CatalogBackends.h"
#include "schemaimport/SnapshotCatalog.h"

namespace schemaimport {
namespace {

// The numbers between parentheses of a declared type: 40 of "VARCHAR(40)", 10 and 2 of "DECIMAL(10,2)".
struct DeclaredNumbers {
    std::optional<int32_t> length;
    int32_t scale = 0;
};

// The number at `begin` after blanks; `begin` moves past it.
std::optional<int32_t> ReadNumber(const char*& begin, const char* end) {
    while (begin != end && *begin == ' ')
        ++begin;
    int32_t number = 0;
    const auto [after, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || after == begin)
        return std::nullopt;
    begin = after;
    return number;
}

DeclaredNumbers NumbersOf(const std::string& declaredType) {
    const std::size_t open = declaredType.find('(');
    if (open == std::string::npos)
        return {};
    const char* begin = declaredType.data() + open + 1;
    const char* end = declaredType.data() + declaredType.size();
    DeclaredNumbers numbers{ReadNumber(begin, end)};
    while (numbers.length && begin != end && *begin == ' ')
        ++begin;
    if (numbers.length && begin != end && *begin == ',')
        numbers.scale = ReadNumber(++begin, end).value_or(0);
    return numbers;
}

class SqliteCatalog final : public SnapshotCatalog {
  public:
    explicit SqliteCatalog(std::unique_ptr<odbc::Connection> connection)
        : mConnection(std::move(connection)) {}

    std::string DefaultDatabase() override { return DefaultDatabaseOf(*mConnection); }

  private:
    std::vector<CatalogTable> LoadTables() override {
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            SELECT name, type FROM sqlite_master WHERE type IN ('table', 'view') ORDER BY rowid)sql");
        std::vector<CatalogTable> tables;
        while (rows.Fetch()) {
            const std::string name = rows.Text(1).value_or("");
            const bool isSystem = name.rfind("sqlite_", 0) == 0;
            tables.push_back({name, isSystem ? "SYSTEM TABLE" : rows.Text(2) == "view" ? "VIEW" : "TABLE"});
        }
        return tables;
    }

    ByTable<CatalogColumn> LoadColumns() override {
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            SELECT m.name, p.name, p.type, p."notnull", p.pk
            FROM sqlite_master AS m JOIN pragma_table_info(m.name) AS p
            WHERE m.type IN ('table', 'view') ORDER BY m.rowid, p.cid)sql");
        ByTable<CatalogColumn> columns;
        while (rows.Fetch()) {
            const std::string declared = rows.Text(3).value_or("");
            const bool notNull = rows.Integer(4).value_or(0) != 0 || rows.Integer(5).value_or(0) > 0;
            const DeclaredNumbers numbers = NumbersOf(declared);
            columns[rows.Text(1).value_or("")].push_back(
                TypedColumn(rows.Text(2).value_or(""), AdoTypeOfSqliteName(declared), numbers.length,
                            !notNull, declared, numbers.scale));
        }
        return columns;
    }

    ByTable<std::string> LoadPrimaryKeys() override {
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            SELECT m.name, p.name
            FROM sqlite_master AS m JOIN pragma_table_info(m.name) AS p
            WHERE m.type = 'table' AND p.pk > 0 ORDER BY m.rowid, p.pk)sql");
        ByTable<std::string> keys;
        while (rows.Fetch())
            keys[rows.Text(1).value_or("")].push_back(rows.Text(2).value_or(""));
        return keys;
    }

    ByTable<CatalogForeignKey> LoadForeignKeys() override {
        PrimaryKey({});  // the keys are read before, not while, the foreign keys are
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            SELECT m.name, f.id, f.seq, f."table", f."from", f."to"
            FROM sqlite_master AS m JOIN pragma_foreign_key_list(m.name) AS f
            WHERE m.type = 'table' ORDER BY m.rowid, f.id DESC, f.seq)sql");
        ByTable<CatalogForeignKey> foreignKeys;
        int64_t lastId = -1;
        std::string lastTable;
        while (rows.Fetch()) {
            const std::string child = rows.Text(1).value_or("");
            const int64_t id = rows.Integer(2).value_or(0);
            const auto seq = static_cast<std::size_t>(rows.Integer(3).value_or(0));
            auto& keys = foreignKeys[child];
            if (child != lastTable || id != lastId)
                keys.push_back({"", rows.Text(4).value_or(""), {}});
            lastTable = child;
            lastId = id;
            std::optional<std::string> parentColumn = rows.Text(6);
            if (!parentColumn) {
                // Only the parent table named: its key column at the same place.
                const std::vector<std::string> parentKey = PrimaryKey(keys.back().ParentTable);
                parentColumn = seq < parentKey.size() ? parentKey[seq] : std::string();
            }
            keys.back().Columns.emplace_back(rows.Text(5).value_or(""), *parentColumn);
        }
        return foreignKeys;
    }

    std::unique_ptr<odbc::Connection> mConnection;
};

}  // namespace

std::unique_ptr<SchemaCatalog> MakeSqliteCatalog(std::unique_ptr<odbc::Connection> connection) {
    return std::make_unique<SqliteCatalog>(std::move(connection));
}

}  // namespace schemaimport
