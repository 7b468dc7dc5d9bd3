#pragma once
// ADO's data type codes, as the import stores them, from each database's own description of a column.

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/dao/Schema.h"

namespace schemaimport {

enum AdoType : int32_t {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adBoolean = 11,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adBigInt = 20,
    adGUID = 72,
    adBinary = 128,
    adChar = 129,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarBinary = 204,
    adLongVarBinary = 205,
};

// The length of text whose type declares none: an interval, a text-like type, a type not known.
inline constexpr int32_t kTextLength = 255;
// The length of a GUID's text: 36 characters, 38 with the braces Access shows.
inline constexpr int32_t kGuidLength = 36;
inline constexpr int32_t kBracedGuidLength = 38;

// Each gives adEmpty for a type it does not know.
// From an ODBC SQL data type (SQL_VARCHAR, SQL_TYPE_DATE, ...).
int32_t AdoTypeOfSqlType(int32_t sqlType);
// From a column type as SQLite declares it ("VARCHAR(40)", "DECIMAL(10,2)", "INTEGER"): the name before
// any parenthesis, else SQLite's affinity of the whole text (no type at all is a BLOB); a REAL is SQLite's
// one float, of 8 bytes; documents ("JSON", "XML") are long text; BINARY is binary of a set length, as
// VARBINARY; another type of mere NUMERIC affinity ("STRING") is not known.
int32_t AdoTypeOfSqliteName(std::string_view declaredType);
// From a PostgreSQL type name (pg_type.typname: "varchar", "int4", "money", "jsonb", ...).
int32_t AdoTypeOfPostgresName(std::string_view typeName);
// From an Access field type.
int32_t AdoTypeOfFieldType(dao::FieldType type);

// The type that holds every value of a numeric of `precision` digits (none: not declared), `scale` of
// them after the point: Long for at most 9 digits and no scale; Currency for at most 15 before the point
// and no more than 4 after; else Double, which may round them.
int32_t NumericType(std::optional<int32_t> precision, int32_t scale);

// A column's size: the declared length of text and binary (0 undeclared), the declared precision of a
// numeric, else the type's byte size.
int32_t ColumnSize(int32_t adoType, std::optional<int32_t> declared);

}  // namespace schemaimport
