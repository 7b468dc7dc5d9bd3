// SQLite through its ODBC driver, read from sqlite_master and the table pragmas: the driver's
// SQLPrimaryKeys numbers a composite key in column order and reports UNIQUE constraints as keys, and it
// reports a declared DECIMAL(p,s) as VARCHAR of size s.

#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "platform/vb/Text.h"
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

    std::vector<CatalogColumn> Columns(const std::string& table) override { return Read(table).columns; }
    std::vector<std::string> PrimaryKey(const std::string& table) override { return Read(table).key; }

  private:
    struct TableColumns {
        std::vector<CatalogColumn> columns;
        std::vector<std::string> key;  // in key order
    };

    // One table at a time: SQLite compiles a view or a virtual table to list its columns, and one that
    // calls a function or module only the file's own application has fails every read that takes it in.
    const TableColumns& Read(const std::string& table) {
        if (const auto found = mRead.find(table); found != mRead.end())
            return found->second;
        odbc::Statement rows(*mConnection);
        // Hidden 1: a virtual table's hidden column, no column of its rows; 2 and 3: a generated column.
        rows.Execute(R"sql(
            SELECT name, type, "notnull", pk, hidden FROM pragma_table_xinfo(?) WHERE hidden <> 1 ORDER BY cid)sql",
                     {table});
        TableColumns read;
        std::vector<std::pair<int64_t, std::string>> key;  // (place in the key, column)
        while (rows.Fetch()) {
            const std::string name = rows.Text(1).value_or("");
            const std::string declared = rows.Text(2).value_or("");
            const int64_t keyPlace = rows.Integer(4).value_or(0);
            const bool notNull = rows.Integer(3).value_or(0) != 0 || keyPlace > 0;
            const DeclaredNumbers numbers = NumbersOf(declared);
            CatalogColumn column = TypedColumn(name, AdoTypeOfSqliteName(declared), numbers.length, !notNull,
                                               declared, numbers.scale);
            if (vb::Trim(declared).empty())
                column.UnknownType = kNoDeclaredType;
            if (rows.Integer(5).value_or(0) != 0)
                column.Filled = FilledBy::Expression;
            read.columns.push_back(std::move(column));
            if (keyPlace > 0)
                key.emplace_back(keyPlace, name);
        }
        std::sort(key.begin(), key.end());
        for (auto& [place, column] : key)
            read.key.push_back(std::move(column));
        return mRead.emplace(table, std::move(read)).first->second;
    }

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

    ByTable<CatalogForeignKey> LoadForeignKeys() override {
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            SELECT m.name, f.id, f.seq, f."table", f."from", f."to"
            FROM sqlite_master AS m JOIN pragma_foreign_key_list(m.name) AS f
            WHERE m.type = 'table' ORDER BY m.rowid, f.id DESC, f.seq)sql");
        ByTable<CatalogForeignKey> foreignKeys;
        // Keys that name only their parent table: (child, place of the key): they take its key's columns.
        std::vector<std::pair<std::string, std::size_t>> parentKeyTaken;
        int64_t lastId = -1;
        std::string lastTable;
        while (rows.Fetch()) {
            const std::string child = rows.Text(1).value_or("");
            const int64_t id = rows.Integer(2).value_or(0);
            auto& keys = foreignKeys[child];
            if (child != lastTable || id != lastId)
                keys.push_back({"", rows.Text(4).value_or(""), {}});
            lastTable = child;
            lastId = id;
            const std::optional<std::string> parentColumn = rows.Text(6);
            if (!parentColumn && keys.back().Columns.empty())
                parentKeyTaken.emplace_back(child, keys.size() - 1);
            keys.back().Columns.emplace_back(rows.Text(5).value_or(""), parentColumn.value_or(""));
        }
        // The parents' keys are read after, not while, the foreign keys are.
        for (const auto& [child, place] : parentKeyTaken) {
            CatalogForeignKey& key = foreignKeys[child][place];
            const std::vector<std::string> parentKey = PrimaryKey(key.ParentTable);
            for (std::size_t seq = 0; seq < key.Columns.size(); ++seq)
                key.Columns[seq].second = seq < parentKey.size() ? parentKey[seq] : std::string();
        }
        return foreignKeys;
    }

    std::unique_ptr<odbc::Connection> mConnection;
    std::unordered_map<std::string, TableColumns> mRead;
};

}  // namespace

std::unique_ptr<SchemaCatalog> MakeSqliteCatalog(std::unique_ptr<odbc::Connection> connection) {
    return std::make_unique<SqliteCatalog>(std::move(connection));
}

}  // namespace schemaimport
