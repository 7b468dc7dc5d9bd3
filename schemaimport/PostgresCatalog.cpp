// PostgreSQL through its ODBC driver, read from pg_catalog for the connection's current schema: one query
// per kind for the whole schema, where the driver's catalog functions take seconds for many tables, and
// types from PostgreSQL's own type names (the driver gives money as SQL_FLOAT and bool as VARCHAR).

#include "schemaimport/AdoTypes.h"
#include "schemaimport/CatalogBackends.h"
#include "schemaimport/SnapshotCatalog.h"

namespace schemaimport {
namespace {

class PostgresCatalog final : public SnapshotCatalog {
  public:
    explicit PostgresCatalog(std::unique_ptr<odbc::Connection> connection)
        : mConnection(std::move(connection)) {}

    std::string DefaultDatabase() override { return DefaultDatabaseOf(*mConnection); }

  private:
    std::vector<CatalogTable> LoadTables() override {
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            SELECT c.relname, CASE WHEN c.relkind IN ('v', 'm') THEN 'VIEW' ELSE 'TABLE' END AS kind
            FROM pg_catalog.pg_class AS c
            JOIN pg_catalog.pg_namespace AS n ON n.oid = c.relnamespace
            WHERE n.nspname = current_schema() AND c.relkind IN ('r', 'p', 'f', 'v', 'm')
            ORDER BY c.relname)sql");
        std::vector<CatalogTable> tables;
        while (rows.Fetch())
            tables.push_back({rows.Text(1).value_or(""), rows.Text(2).value_or("")});
        return tables;
    }

    ByTable<CatalogColumn> LoadColumns() override {
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            SELECT c.relname, a.attname, t.typname, a.atttypmod, CASE WHEN a.attnotnull THEN 1 ELSE 0 END
            FROM pg_catalog.pg_attribute AS a
            JOIN pg_catalog.pg_class AS c ON c.oid = a.attrelid
            JOIN pg_catalog.pg_namespace AS n ON n.oid = c.relnamespace
            JOIN pg_catalog.pg_type AS t ON t.oid = a.atttypid
            WHERE n.nspname = current_schema() AND c.relkind IN ('r', 'p', 'f', 'v', 'm')
              AND a.attnum > 0 AND NOT a.attisdropped
            ORDER BY c.relname, a.attnum)sql");
        ByTable<CatalogColumn> columns;
        while (rows.Fetch()) {
            const std::string typeName = rows.Text(3).value_or("");
            const int32_t type = AdoTypeOfPostgresName(typeName);
            const int64_t modifier = rows.Integer(4).value_or(-1);
            std::optional<int32_t> declared;
            if (modifier >= 4) {
                // varchar(n) and bpchar(n) keep n + 4, numeric(p,s) keeps (p << 16 | s) + 4.
                declared =
                    static_cast<int32_t>(type == adNumeric ? ((modifier - 4) >> 16) & 0xFFFF : modifier - 4);
            }
            columns[rows.Text(1).value_or("")].push_back(
                {rows.Text(2).value_or(""), type, ColumnSize(type, declared), rows.Integer(5) != 1});
        }
        return columns;
    }

    ByTable<std::string> LoadPrimaryKeys() override {
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            SELECT c.relname, a.attname
            FROM pg_catalog.pg_constraint AS k
            JOIN pg_catalog.pg_class AS c ON c.oid = k.conrelid
            JOIN pg_catalog.pg_namespace AS n ON n.oid = c.relnamespace
            CROSS JOIN LATERAL unnest(k.conkey) WITH ORDINALITY AS u(attnum, position)
            JOIN pg_catalog.pg_attribute AS a ON a.attrelid = c.oid AND a.attnum = u.attnum
            WHERE k.contype = 'p' AND n.nspname = current_schema()
            ORDER BY c.relname, u.position)sql");
        ByTable<std::string> keys;
        while (rows.Fetch())
            keys[rows.Text(1).value_or("")].push_back(rows.Text(2).value_or(""));
        return keys;
    }

    ByTable<CatalogForeignKey> LoadForeignKeys() override {
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            SELECT c.relname, k.conname, p.relname, ca.attname, pa.attname
            FROM pg_catalog.pg_constraint AS k
            JOIN pg_catalog.pg_class AS c ON c.oid = k.conrelid
            JOIN pg_catalog.pg_namespace AS n ON n.oid = c.relnamespace
            JOIN pg_catalog.pg_class AS p ON p.oid = k.confrelid
            CROSS JOIN LATERAL unnest(k.conkey, k.confkey) WITH ORDINALITY AS u(child, parent, position)
            JOIN pg_catalog.pg_attribute AS ca ON ca.attrelid = c.oid AND ca.attnum = u.child
            JOIN pg_catalog.pg_attribute AS pa ON pa.attrelid = p.oid AND pa.attnum = u.parent
            WHERE k.contype = 'f' AND n.nspname = current_schema()
            ORDER BY c.relname, p.relname, k.conname, u.position)sql");
        ByTable<CatalogForeignKey> foreignKeys;
        while (rows.Fetch()) {
            const std::string child = rows.Text(1).value_or("");
            const std::string name = rows.Text(2).value_or("");
            auto& keys = foreignKeys[child];
            if (keys.empty() || keys.back().Name != name)
                keys.push_back({name, rows.Text(3).value_or(""), {}});
            keys.back().Columns.emplace_back(rows.Text(4).value_or(""), rows.Text(5).value_or(""));
        }
        return foreignKeys;
    }

    std::unique_ptr<odbc::Connection> mConnection;
};

}  // namespace

std::unique_ptr<SchemaCatalog> MakePostgresCatalog(std::unique_ptr<odbc::Connection> connection) {
    return std::make_unique<PostgresCatalog>(std::move(connection));
}

}  // namespace schemaimport
