#pragma once
// How the field types are declared in SQLite, and which field type a declaration stands for.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dao/Schema.h"

namespace dao {

// The column's declaration after its quoted name. Yes/No columns are never Null, as in Jet.
std::string ColumnDeclaration(const ColumnDefinition& column);

struct DeclaredType {
    FieldType Type = FieldType::Text;
    int32_t Size = 0;  // from "TEXT(50)"; 0 without a size
};
// Our own declarations map back exactly; any other follows SQLite's type-affinity rules.
DeclaredType ParseDeclaredType(std::string_view declaration);

}  // namespace dao
