#include "patternkit/SqlServerType.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/vb/Numbers.h"

namespace patternkit::Common {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kFixedTypes = {{
    {"Byte", "TINYINT"},
    {"Integer", "SMALLINT"},
    {"Long", "INT"},
    {"Single", "FLOAT"},
    {"Double", "FLOAT"},
    {"Currency", "MONEY"},
    {"Date", "DATETIME"},
    {"Memo", "TEXT"},
    {"Boolean", "BIT"},
    {"OLE Object", "???"},
}};

}  // namespace

std::string GetSQLServerType(const typelib::IProperty& property) {
    const std::string dataType = property.DataType();
    if (dataType == "String") {
        // The length is read as an Integer: a length beyond its range overflows (6).
        return "CHAR(" + vb::NumberText(vb::CInt(property.Length())) + ")";
    }
    for (const auto& [name, sqlType] : kFixedTypes) {
        if (dataType == name)
            return std::string(sqlType);
    }
    return {};
}

}  // namespace patternkit::Common
