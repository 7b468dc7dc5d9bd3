#include "platform/dao/SqliteTypes.h"

#include <array>
#include <charconv>
#include <utility>

#include "platform/vb/Text.h"

namespace dao {

namespace {

// Each name also gives SQLite the affinity that keeps the values as they were written.
constexpr std::array<std::pair<FieldType, std::string_view>, 14> kDeclarations{{
    {FieldType::Boolean, "BOOLEAN"},
    {FieldType::Byte, "TINYINT"},
    {FieldType::Integer, "SMALLINT"},
    {FieldType::Long, "INTEGER"},
    {FieldType::Currency, "CURRENCY"},
    {FieldType::Single, "FLOAT"},
    {FieldType::Double, "DOUBLE"},
    {FieldType::Date, "DATETIME"},
    {FieldType::Binary, "BINARY"},
    {FieldType::Text, "TEXT"},
    {FieldType::LongBinary, "BLOB"},
    {FieldType::Memo, "LONGTEXT"},
    {FieldType::Guid, "GUID"},
    {FieldType::Decimal, "DECIMAL"},
}};

std::string_view DeclarationName(FieldType type) {
    for (const auto& [fieldType, name] : kDeclarations) {
        if (fieldType == type)
            return name;
    }
    return "TEXT";
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

FieldType TypeByAffinity(std::string_view name) {
    if (name == "BOOL" || name == "BIT")
        return FieldType::Boolean;
    if (Contains(name, "INT"))
        return FieldType::Long;
    if (Contains(name, "CHAR") || Contains(name, "CLOB") || Contains(name, "TEXT"))
        return FieldType::Text;
    if (name.empty() || Contains(name, "BLOB"))
        return FieldType::LongBinary;
    if (Contains(name, "REAL") || Contains(name, "FLOA") || Contains(name, "DOUB"))
        return FieldType::Double;
    return FieldType::Decimal;
}

}  // namespace

std::string ColumnDeclaration(const ColumnDefinition& column) {
    if (column.IsAutoNumberKey)
        return "INTEGER PRIMARY KEY AUTOINCREMENT";
    std::string declaration(DeclarationName(column.Type));
    if (column.Type == FieldType::Boolean)
        declaration += " NOT NULL DEFAULT 0";
    return declaration;
}

DeclaredType ParseDeclaredType(std::string_view declaration) {
    DeclaredType result;
    const std::string upper = vb::UCase(declaration);
    std::string_view name = upper;
    if (const auto open = name.find('('); open != std::string_view::npos) {
        const std::string_view size = name.substr(open + 1);
        std::from_chars(size.data(), size.data() + size.size(), result.Size);
        name = name.substr(0, open);
    }
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    for (const auto& [fieldType, ownName] : kDeclarations) {
        if (name == ownName) {
            result.Type = fieldType;
            return result;
        }
    }
    result.Type = TypeByAffinity(name);
    return result;
}

}  // namespace dao
