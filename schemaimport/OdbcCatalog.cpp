// Any other ODBC driver, through the catalog functions. Table names are search patterns there, so they
// are escaped, and rows of other tables that a driver still returns are dropped; each call passes the
// table's own schema, as drivers without one look only on their search path.

#include <algorithm>
#include <map>

#include "schemaimport/AdoTypes.h"
#include "schemaimport/CatalogBackends.h"

namespace schemaimport {
namespace {

class OdbcCatalog final : public SchemaCatalog {
  public:
    explicit OdbcCatalog(std::unique_ptr<odbc::Connection> connection)
        : mConnection(std::move(connection)), mEscape(mConnection->Info(SQL_SEARCH_PATTERN_ESCAPE)) {}

    std::vector<CatalogTable> Tables() override {
        odbc::Statement rows(*mConnection);
        rows.Tables(std::nullopt, std::string("%"), std::nullopt);
        std::vector<CatalogTable> tables;
        while (rows.Fetch()) {
            const std::string name = rows.Text(3).value_or("");
            mSchemas[name] = rows.Text(2);
            tables.push_back({name, rows.Text(4).value_or("")});
        }
        return tables;
    }

    std::vector<CatalogColumn> Columns(const std::string& table) override {
        odbc::Statement rows(*mConnection);
        rows.Columns(SchemaOf(table), Pattern(table));
        std::vector<CatalogColumn> columns;
        while (rows.Fetch()) {
            if (rows.Text(3) != table)
                continue;
            const int32_t type = AdoTypeOfSqlType(static_cast<int32_t>(rows.Integer(5).value_or(0)));
            const std::optional<int64_t> size = rows.Integer(7);
            const std::optional<int64_t> nullable = rows.Integer(11);
            const auto scale = static_cast<int32_t>(rows.Integer(9).value_or(0));
            columns.push_back(
                TypedColumn(rows.Text(4).value_or(""), type,
                            size ? std::optional<int32_t>(static_cast<int32_t>(*size)) : std::nullopt,
                            nullable != SQL_NO_NULLS, rows.Text(6).value_or(""), scale));
        }
        return columns;
    }

    std::vector<std::string> PrimaryKey(const std::string& table) override {
        odbc::Statement rows(*mConnection);
        rows.PrimaryKeys(SchemaOf(table), table);
        std::map<int64_t, std::string> inKeyOrder;
        while (rows.Fetch()) {
            if (rows.Text(3) == table)
                inKeyOrder[rows.Integer(5).value_or(0)] = rows.Text(4).value_or("");
        }
        std::vector<std::string> key;
        for (auto& [position, column] : inKeyOrder)
            key.push_back(std::move(column));
        return key;
    }

    std::vector<CatalogForeignKey> ForeignKeys(const std::string& childTable) override {
        odbc::Statement rows(*mConnection);
        rows.ForeignKeys(SchemaOf(childTable), childTable);
        std::vector<CatalogForeignKey> keys;
        while (rows.Fetch()) {
            if (rows.Text(7) != childTable)
                continue;
            const std::string name = rows.Text(12).value_or("");
            const std::string parent = rows.Text(3).value_or("");
            if (rows.Integer(9).value_or(1) == 1 || keys.empty() || keys.back().Name != name ||
                keys.back().ParentTable != parent)
                keys.push_back({name, parent, {}});
            keys.back().Columns.emplace_back(rows.Text(8).value_or(""), rows.Text(4).value_or(""));
        }
        return keys;
    }

    std::string DefaultDatabase() override { return DefaultDatabaseOf(*mConnection); }

  private:
    std::string Pattern(const std::string& name) const {
        if (mEscape.empty())
            return name;
        std::string pattern;
        for (const char c : name) {
            if (c == '_' || c == '%' || mEscape.find(c) != std::string::npos)
                pattern += mEscape;
            pattern += c;
        }
        return pattern;
    }

    odbc::Argument SchemaOf(const std::string& table) {
        if (mSchemas.empty())
            Tables();
        const auto found = mSchemas.find(table);
        return found == mSchemas.end() ? std::nullopt : found->second;
    }

    std::unique_ptr<odbc::Connection> mConnection;
    std::string mEscape;
    std::map<std::string, std::optional<std::string>> mSchemas;
};

}  // namespace

std::unique_ptr<SchemaCatalog> MakeOdbcCatalog(std::unique_ptr<odbc::Connection> connection) {
    return std::make_unique<OdbcCatalog>(std::move(connection));
}

std::string DefaultDatabaseOf(odbc::Connection& connection) {
    std::string name = connection.CurrentCatalog();
    return name.empty() ? connection.Info(SQL_DATABASE_NAME) : name;
}

}  // namespace schemaimport
