// PostgreSQL through its ODBC driver, read from pg_catalog for the schemas of the connection's search path
// (a partitioned table, not its partitions, which only hold its rows): one query per kind for all of them,
// where the driver's catalog functions take seconds for many tables, and types from PostgreSQL's own type
// names and kinds (the driver gives money as SQL_FLOAT, bool as VARCHAR and a domain, an enum or an array
// as a type of its own). A generated column is filled by the database, and so is an identity column that
// refuses written values (GENERATED ALWAYS; one BY DEFAULT, or a serial, takes them).

#include "schemaimport/AdoTypes.h"
#include "schemaimport/CatalogBackends.h"
#include "schemaimport/SnapshotCatalog.h"

namespace schemaimport {
namespace {

// The SQL for the name of the table of pg_class row `c` in pg_namespace row `n`: qualified outside the
// current schema.
std::string TableName(const std::string& c, const std::string& n) {
    return "CASE WHEN " + n + ".nspname = current_schema() THEN " + c + ".relname ELSE " + n +
           ".nspname || '.' || " + c + ".relname END";
}

class PostgresCatalog final : public SnapshotCatalog {
  public:
    explicit PostgresCatalog(std::unique_ptr<odbc::Connection> connection)
        : mConnection(std::move(connection)) {}

    std::string DefaultDatabase() override { return DefaultDatabaseOf(*mConnection); }

    std::vector<std::string> Schemas() override {
        odbc::Statement rows(*mConnection);
        rows.Execute("SELECT unnest(current_schemas(false))");
        std::vector<std::string> schemas;
        while (rows.Fetch())
            schemas.push_back(rows.Text(1).value_or(""));
        return schemas;
    }

  private:
    std::vector<CatalogTable> LoadTables() override {
        odbc::Statement rows(*mConnection);
        rows.Execute("SELECT " + TableName("c", "n") + R"sql(,
                CASE WHEN c.relkind IN ('v', 'm') THEN 'VIEW' ELSE 'TABLE' END,
                CASE WHEN n.nspname = current_schema() THEN '' ELSE n.nspname END
            FROM pg_catalog.pg_class AS c
            JOIN pg_catalog.pg_namespace AS n ON n.oid = c.relnamespace
            WHERE n.nspname = ANY (current_schemas(false)) AND c.relkind IN ('r', 'p', 'f', 'v', 'm')
              AND NOT c.relispartition
            ORDER BY array_position(current_schemas(false), n.nspname), c.relname)sql");
        std::vector<CatalogTable> tables;
        while (rows.Fetch())
            tables.push_back(
                {rows.Text(1).value_or(""), rows.Text(2).value_or(""), rows.Text(3).value_or("")});
        return tables;
    }

    // A domain's type is the type it is made from, with the domain's length.
    ByTable<CatalogColumn> LoadColumns() override {
        odbc::Statement rows(*mConnection);
        rows.Execute(R"sql(
            WITH RECURSIVE domains (oid, base, typmod) AS (
                SELECT t.oid, t.typbasetype, t.typtypmod FROM pg_catalog.pg_type AS t WHERE t.typtype = 'd'
                UNION ALL
                SELECT d.oid, t.typbasetype, CASE WHEN d.typmod >= 0 THEN d.typmod ELSE t.typtypmod END
                FROM domains AS d JOIN pg_catalog.pg_type AS t ON t.oid = d.base WHERE t.typtype = 'd')
            SELECT )sql" +
                     TableName("c", "n") + R"sql(, a.attname, t.typname, t.typtype, t.typcategory,
                CASE WHEN d.oid IS NULL THEN a.atttypmod ELSE d.typmod END,
                CASE WHEN a.attnotnull THEN 1 ELSE 0 END,
                CASE WHEN t.typtype = 'e' THEN (SELECT max(length(e.enumlabel)) FROM pg_catalog.pg_enum AS e
                                                WHERE e.enumtypid = t.oid) END,
                CASE WHEN a.attgenerated <> '' THEN 1 WHEN a.attidentity = 'a' THEN 2 ELSE 0 END
            FROM pg_catalog.pg_attribute AS a
            JOIN pg_catalog.pg_class AS c ON c.oid = a.attrelid
            JOIN pg_catalog.pg_namespace AS n ON n.oid = c.relnamespace
            LEFT JOIN domains AS d ON d.oid = a.atttypid AND NOT EXISTS (
                SELECT 1 FROM pg_catalog.pg_type AS b WHERE b.oid = d.base AND b.typtype = 'd')
            JOIN pg_catalog.pg_type AS t ON t.oid = COALESCE(d.base, a.atttypid)
            WHERE n.nspname = ANY (current_schemas(false)) AND c.relkind IN ('r', 'p', 'f', 'v', 'm')
              AND NOT c.relispartition AND a.attnum > 0 AND NOT a.attisdropped
            ORDER BY c.relname, a.attnum)sql");
        ByTable<CatalogColumn> columns;
        while (rows.Fetch()) {
            const std::string typeName = rows.Text(3).value_or("");
            const std::string kind = rows.Text(4).value_or("");
            const std::string category = rows.Text(5).value_or("");
            const int64_t modifier = rows.Integer(6).value_or(-1);
            int32_t type = AdoTypeOfPostgresName(typeName);
            std::optional<int32_t> declared;
            int32_t scale = 0;
            if (typeName == "varchar" || typeName == "bpchar" || type == adNumeric) {
                // varchar(n) and bpchar(n) keep n + 4, numeric(p,s) keeps (p << 16 | s) + 4; a varchar
                // without n keeps -1 and is long text, as text is.
                if (modifier >= 4 && type == adNumeric) {
                    declared = static_cast<int32_t>(((modifier - 4) >> 16) & 0xFFFF);
                    scale = static_cast<int32_t>((modifier - 4) & 0xFFFF);
                } else if (modifier >= 4) {
                    declared = static_cast<int32_t>(modifier - 4);
                }
            } else if (kind == "e") {
                type = adVarChar;
                declared = static_cast<int32_t>(rows.Integer(8).value_or(kTextLength));
            } else if (type == adVarChar || (type == adEmpty && category == "S")) {
                type = adVarChar;
                declared = kTextLength;
            } else if (type == adEmpty && category == "A") {
                type = adLongVarChar;
            }
            CatalogColumn column =
                TypedColumn(rows.Text(2).value_or(""), type, declared, rows.Integer(7) != 1, typeName, scale);
            const std::optional<int64_t> filledBy = rows.Integer(9);  // the driver gives a value once
            if (filledBy == 1)
                column.Filled = FilledBy::Expression;
            else if (filledBy == 2)
                column.Filled = FilledBy::Numbering;
            columns[rows.Text(1).value_or("")].push_back(std::move(column));
        }
        return columns;
    }

    ByTable<std::string> LoadPrimaryKeys() override {
        odbc::Statement rows(*mConnection);
        rows.Execute("SELECT " + TableName("c", "n") + R"sql(, a.attname
            FROM pg_catalog.pg_constraint AS k
            JOIN pg_catalog.pg_class AS c ON c.oid = k.conrelid
            JOIN pg_catalog.pg_namespace AS n ON n.oid = c.relnamespace
            CROSS JOIN LATERAL unnest(k.conkey) WITH ORDINALITY AS u(attnum, position)
            JOIN pg_catalog.pg_attribute AS a ON a.attrelid = c.oid AND a.attnum = u.attnum
            WHERE k.contype = 'p' AND n.nspname = ANY (current_schemas(false))
            ORDER BY c.relname, u.position)sql");
        ByTable<std::string> keys;
        while (rows.Fetch())
            keys[rows.Text(1).value_or("")].push_back(rows.Text(2).value_or(""));
        return keys;
    }

    // The parent is named by its schema too, so that a same-named table of another schema is not it.
    ByTable<CatalogForeignKey> LoadForeignKeys() override {
        odbc::Statement rows(*mConnection);
        rows.Execute("SELECT " + TableName("c", "n") + ", k.conname, " + TableName("p", "pn") +
                     R"sql(, ca.attname, pa.attname
            FROM pg_catalog.pg_constraint AS k
            JOIN pg_catalog.pg_class AS c ON c.oid = k.conrelid
            JOIN pg_catalog.pg_namespace AS n ON n.oid = c.relnamespace
            JOIN pg_catalog.pg_class AS p ON p.oid = k.confrelid
            JOIN pg_catalog.pg_namespace AS pn ON pn.oid = p.relnamespace
            CROSS JOIN LATERAL unnest(k.conkey, k.confkey) WITH ORDINALITY AS u(child, parent, position)
            JOIN pg_catalog.pg_attribute AS ca ON ca.attrelid = c.oid AND ca.attnum = u.child
            JOIN pg_catalog.pg_attribute AS pa ON pa.attrelid = p.oid AND pa.attnum = u.parent
            WHERE k.contype = 'f' AND n.nspname = ANY (current_schemas(false))
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
