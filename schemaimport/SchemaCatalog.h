#pragma once
// What the import reads of an application database: its tables, their columns with ADO type codes,
// primary keys and foreign keys, whatever the database. One backend per kind of database:
//   - SQLite and PostgreSQL through their ODBC drivers, read from their own catalogs (the drivers' catalog
//     functions misreport keys and types): with whole-schema queries, as the drivers' per-table calls are
//     slow, but SQLite's columns one table at a time, as one it cannot compile fails every read of it;
//   - Access (Jet) files through libmdb, for "localmdb" and for data sources of the MDBTools driver;
//   - any other driver through the ODBC catalog functions.
// Table names are compared exactly; a PostgreSQL table of a schema on the search path other than the
// current one is named "schema.table". Errors are the platform's (3146 and the engine's error list for
// ODBC, libmdb's for Access files).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace schemaimport {

struct CatalogTable {
    std::string Name;
    std::string Type;         // "TABLE", "VIEW" or "SYSTEM TABLE"
    std::string Schema = {};  // of a table outside the current schema (Name is then "Schema.table"), else ""
    bool operator==(const CatalogTable&) const = default;
};

// Why a column's property may not hold every value of its type: a numeric that became Double may be
// rounded; a bigint that became Currency holds no more than about 9.2e14; text of any length in a key
// became text of kTextLength (KeyColumnTypes.h); a date and time earlier or finer than a Date holds became
// text of kTextLength.
enum class TypeLoss { None, Rounded, Range, Cut, DateAsText };

// Who fills a column: the application, or the database itself, computing it from an expression, keeping
// it in tables of its own (an Access complex column: attachments, several values, a version history) or
// numbering each new row (an Access AutoNumber, a PostgreSQL identity column that refuses written values).
// No generated code may write a column the database fills: the import leaves it out, but for a key the
// database numbers, which Add reads back, and a numbered column of a table without a key, to become it.
enum class FilledBy { Application, Expression, ComplexData, Numbering };

// The UnknownType of a SQLite column declared without a type.
inline constexpr const char* kNoDeclaredType = "no declared type";

struct CatalogColumn {
    std::string Name;
    int32_t Type = 0;  // ADO type code (AdoTypes.h)
    int32_t Size = 0;  // characters of text, bytes of binary (0 undeclared), else the type's byte size
    bool IsNullable = true;
    // The type the catalog only guessed the column's from: the database's name of a type it does not know
    // (the column is then read as text), or kNoDeclaredType.
    std::string UnknownType = {};
    TypeLoss Loss = TypeLoss::None;
    FilledBy Filled = FilledBy::Application;
    bool operator==(const CatalogColumn&) const = default;
};

// A column of ADO type `type` and `size`. Text of no length, or longer than a VB fixed-length string
// holds, is long text (Memo), as text of a type without a length is.
CatalogColumn SizedColumn(std::string name, int32_t type, int32_t size, bool isNullable);

// A column of ADO type `type` sized by ColumnSize, as SizedColumn makes it, in a type whose property
// keeps its values: a numeric becomes the NumericType of its precision `declared` and `scale`, a bigint
// Currency, a GUID text of its `declared` length (at least kGuidLength). One of no known type (adEmpty)
// becomes text of kTextLength that keeps `typeName` as its UnknownType.
CatalogColumn TypedColumn(std::string name, int32_t type, std::optional<int32_t> declared, bool isNullable,
                          std::string typeName, int32_t scale = 0);

struct CatalogForeignKey {
    std::string Name;  // empty where the database names none
    std::string ParentTable;
    std::vector<std::pair<std::string, std::string>> Columns;  // (child column, parent column) in key order
    bool operator==(const CatalogForeignKey&) const = default;
};

// A foreign key with the table that holds it.
struct CatalogRelation {
    std::string ChildTable;
    CatalogForeignKey Key;
    bool operator==(const CatalogRelation&) const = default;
};

class SchemaCatalog {
  public:
    virtual ~SchemaCatalog() = default;

    // In the database's own order.
    virtual std::vector<CatalogTable> Tables() = 0;
    // In column order; empty for a table that does not exist.
    virtual std::vector<CatalogColumn> Columns(const std::string& table) = 0;
    // The primary key's columns in key order (a UNIQUE constraint is no key).
    virtual std::vector<std::string> PrimaryKey(const std::string& table) = 0;
    // The foreign keys that `childTable` holds.
    virtual std::vector<CatalogForeignKey> ForeignKeys(const std::string& childTable) = 0;
    // The foreign keys of every table in the database's order: an Access file's order of relations, else
    // by child table in table order.
    virtual std::vector<CatalogRelation> Relations();
    // The database the connection works in: its current catalog, else its name, else the file.
    virtual std::string DefaultDatabase() = 0;
    // The schemas whose tables are listed; none for a database without schemas.
    virtual std::vector<std::string> Schemas() { return {}; }
};

// `connectString` as GetDBConnection makes it: a data-source name or "KEY=value;..." text.
std::unique_ptr<SchemaCatalog> OpenSchemaCatalog(const std::string& connectString);

}  // namespace schemaimport
