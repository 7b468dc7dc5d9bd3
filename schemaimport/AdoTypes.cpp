#include "schemaimport/AdoTypes.h"

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <unordered_map>

#include "platform/vb/Text.h"

namespace schemaimport {
namespace {

int32_t Lookup(const std::unordered_map<std::string, int32_t>& table, std::string_view name) {
    const auto found = table.find(vb::LCase(vb::Trim(name)));
    return found == table.end() ? adEmpty : found->second;
}

}  // namespace

int32_t AdoTypeOfSqlType(int32_t sqlType) {
    switch (sqlType) {
        case SQL_CHAR:
        case SQL_WCHAR:
            return adChar;
        case SQL_VARCHAR:
        case SQL_WVARCHAR:
            return adVarChar;
        case SQL_LONGVARCHAR:
        case SQL_WLONGVARCHAR:
            return adLongVarChar;
        case SQL_INTEGER:
            return adInteger;
        case SQL_TINYINT:
            return adTinyInt;
        case SQL_NUMERIC:
        case SQL_DECIMAL:
            return adNumeric;
        case SQL_SMALLINT:
            return adSmallInt;
        case SQL_REAL:
            return adSingle;
        case SQL_FLOAT:
        case SQL_DOUBLE:
            return adDouble;
        case SQL_TYPE_DATE:
        case SQL_DATE:
            return adDBDate;
        case SQL_TYPE_TIME:
        case SQL_TIME:
            return adDBTime;
        case SQL_TYPE_TIMESTAMP:
        case SQL_TIMESTAMP:
            return adDBTimeStamp;
        case SQL_VARBINARY:
            return adVarBinary;
        case SQL_LONGVARBINARY:
            return adLongVarBinary;
        case SQL_BIT:
            return adBoolean;
        case SQL_BIGINT:
            return adBigInt;
        case SQL_GUID:
            return adGUID;
        case SQL_BINARY:
            return adBinary;
        default:
            return adEmpty;
    }
}

int32_t AdoTypeOfSqliteName(std::string_view declaredType) {
    static const std::unordered_map<std::string, int32_t> kNames = {
        {"char", adChar},
        {"character", adChar},
        {"nchar", adChar},
        {"varchar", adVarChar},
        {"nvarchar", adVarChar},
        {"varying character", adVarChar},
        {"text", adLongVarChar},
        {"clob", adLongVarChar},
        {"memo", adLongVarChar},
        {"longvarchar", adLongVarChar},
        {"json", adLongVarChar},
        {"xml", adLongVarChar},
        {"integer", adInteger},
        {"int", adInteger},
        {"tinyint", adTinyInt},
        {"smallint", adSmallInt},
        {"bigint", adBigInt},
        {"real", adDouble},
        {"float", adDouble},
        {"double", adDouble},
        {"double precision", adDouble},
        {"numeric", adNumeric},
        {"decimal", adNumeric},
        {"date", adDBDate},
        {"time", adDBTime},
        {"timestamp", adDBTimeStamp},
        {"datetime", adDBTimeStamp},
        {"money", adCurrency},
        {"currency", adCurrency},
        {"bit", adBoolean},
        {"bool", adBoolean},
        {"boolean", adBoolean},
        {"binary", adVarBinary},
        {"varbinary", adVarBinary},
        {"blob", adLongVarBinary},
        {"longvarbinary", adLongVarBinary},
        {"guid", adGUID},
        {"uuid", adGUID},
    };
    if (const int32_t named = Lookup(kNames, declaredType.substr(0, declaredType.find('(')));
        named != adEmpty)
        return named;
    const std::string upper = vb::UCase(declaredType);
    const auto holds = [&upper](std::string_view part) { return upper.find(part) != std::string::npos; };
    if (holds("INT"))
        return adInteger;
    if (holds("CHAR"))
        return adVarChar;
    if (holds("CLOB") || holds("TEXT"))
        return adLongVarChar;
    if (holds("BLOB") || vb::Trim(declaredType).empty())
        return adLongVarBinary;
    if (holds("REAL") || holds("FLOA") || holds("DOUB"))
        return adDouble;
    return adEmpty;
}

int32_t AdoTypeOfPostgresName(std::string_view typeName) {
    static const std::unordered_map<std::string, int32_t> kNames = {
        {"bpchar", adChar},
        {"char", adChar},
        {"varchar", adVarChar},
        {"text", adLongVarChar},
        {"json", adLongVarChar},
        {"jsonb", adLongVarChar},
        {"xml", adLongVarChar},
        {"interval", adVarChar},
        {"int4", adInteger},
        {"int2", adSmallInt},
        {"int8", adBigInt},
        {"float4", adSingle},
        {"float8", adDouble},
        {"numeric", adNumeric},
        {"date", adDBDate},
        {"time", adDBTime},
        {"timetz", adDBTime},
        {"timestamp", adDBTimeStamp},
        {"timestamptz", adDBTimeStamp},
        {"money", adCurrency},
        {"bytea", adLongVarBinary},
        {"bool", adBoolean},
        {"uuid", adGUID},
    };
    return Lookup(kNames, typeName);
}

int32_t AdoTypeOfFieldType(dao::FieldType type) {
    switch (type) {
        case dao::FieldType::Boolean:
            return adBoolean;
        case dao::FieldType::Byte:
            return adUnsignedTinyInt;
        case dao::FieldType::Integer:
            return adSmallInt;
        case dao::FieldType::Long:
            return adInteger;
        case dao::FieldType::Currency:
            return adCurrency;
        case dao::FieldType::Single:
            return adSingle;
        case dao::FieldType::Double:
            return adDouble;
        case dao::FieldType::Date:
            return adDBTimeStamp;
        case dao::FieldType::Binary:
            return adVarBinary;
        case dao::FieldType::Text:
            return adVarChar;
        case dao::FieldType::LongBinary:
            return adLongVarBinary;
        case dao::FieldType::Memo:
            return adLongVarChar;
        case dao::FieldType::Guid:
            return adGUID;
        case dao::FieldType::BigInt:
            return adBigInt;
        case dao::FieldType::Decimal:
            return adNumeric;
    }
    return adEmpty;
}

int32_t NumericType(std::optional<int32_t> precision, int32_t scale) {
    constexpr int32_t kLongDigits = 9;
    constexpr int32_t kCurrencyDigits = 15;  // before the point
    constexpr int32_t kCurrencyScale = 4;
    if (!precision || *precision <= 0 || scale < 0 || scale > *precision)
        return adDouble;
    if (scale == 0 && *precision <= kLongDigits)
        return adInteger;
    if (scale <= kCurrencyScale && *precision - scale <= kCurrencyDigits)
        return adCurrency;
    return adDouble;
}

namespace {

bool IsSizedByDeclaration(int32_t adoType) {
    switch (adoType) {
        case adChar:
        case adVarChar:
        case adLongVarChar:
        case adBinary:
        case adVarBinary:
        case adLongVarBinary:
            return true;
        default:
            return false;
    }
}

int32_t ByteSize(int32_t adoType) {
    switch (adoType) {
        case adTinyInt:
        case adUnsignedTinyInt:
            return 1;
        case adSmallInt:
        case adBoolean:
            return 2;
        case adInteger:
        case adSingle:
            return 4;
        case adDouble:
        case adCurrency:
        case adBigInt:
            return 8;
        case adDBDate:
            return 6;
        case adDBTime:
            return 6;
        case adDBTimeStamp:
            return 16;
        case adGUID:
            return 16;
        case adNumeric:
            return 19;
        default:
            return 0;
    }
}

}  // namespace

int32_t ColumnSize(int32_t adoType, std::optional<int32_t> declared) {
    if (IsSizedByDeclaration(adoType))
        return declared.value_or(0);
    if (adoType == adNumeric && declared)
        return *declared;
    return ByteSize(adoType);
}

}  // namespace schemaimport
