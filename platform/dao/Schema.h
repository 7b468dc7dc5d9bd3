#pragma once
// What a database tells about its tables: columns, indexes and relations, as DAO's TableDefs, Indexes
// and Relations describe them.

#include <cstdint>
#include <string>
#include <vector>

namespace dao {

// DAO's field type codes.
enum class FieldType : int16_t {
    Boolean = 1,
    Byte = 2,
    Integer = 3,
    Long = 4,
    Currency = 5,
    Single = 6,
    Double = 7,
    Date = 8,
    Binary = 9,
    Text = 10,
    LongBinary = 11,  // OLE Object
    Memo = 12,
    Guid = 15,
    BigInt = 16,  // a 64-bit integer: an Access Large Number
    Decimal = 20,
};

// What an Access file keeps in a column besides a value of its Type.
enum class ColumnKind : int8_t {
    Plain,
    Calculated,    // computed from an expression; the database refuses values written to it
    Complex,       // attachments, several values or a version history, kept in tables of their own; its
                   // Type is Long, the link to them
    ExtendedDate,  // a Date/Time Extended: years 1 to 9999, to 100 nanoseconds; its Type is Binary
    AutoNumber,    // numbered by the database as each row is added (a Long or a GUID); refuses values written
};

struct ColumnInfo {
    std::string Name;
    FieldType Type = FieldType::Text;
    int32_t Size = 0;  // characters of a Text column, bytes of a fixed-size one; 0 when not declared
    bool IsNullable = true;
    // Of a Decimal: its digits, and those after the point.
    int32_t Precision = 0;
    int32_t Scale = 0;
    ColumnKind Kind = ColumnKind::Plain;
};

struct IndexInfo {
    std::string Name;
    bool IsPrimary = false;
    bool IsUnique = false;
    std::vector<std::string> Columns;  // in key order
};

// A relation between a primary table and the table that refers to it.
struct RelationInfo {
    struct ColumnPair {
        std::string Name;         // column of the primary table
        std::string ForeignName;  // column of the foreign table
    };
    std::string Name;
    std::string Table;         // the primary ("one") side
    std::string ForeignTable;  // the side that holds the foreign key
    std::vector<ColumnPair> Columns;
    bool EnforcesIntegrity = true;
};

// A column to create.
struct ColumnDefinition {
    std::string Name;
    FieldType Type = FieldType::Text;
    bool IsAutoNumberKey = false;  // an AutoNumber primary key whose values are never reused
};

}  // namespace dao
