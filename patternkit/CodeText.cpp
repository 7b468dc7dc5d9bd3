#include "patternkit/CodeText.h"

#include <array>

#include "patternkit/PropertySets.h"
#include "platform/vb/Literal.h"
#include "platform/vb/Text.h"

namespace patternkit::Common {
namespace {

constexpr std::array<std::string_view, 7> kBareNumberTypes = {"Byte",   "Integer", "Long",    "Single",
                                                              "Double", "Decimal", "Currency"};

// Each entry begins with ", "; the list drops only the leading comma and keeps the blank.
std::string WithoutLeadingComma(const std::string& entries) {
    return entries.empty() ? entries : entries.substr(1);
}

// The parameter of each Memo and OLE Object property, between `before` and `after`.
std::string VarStringEntries(const PropertySet& properties, std::string_view before, std::string_view after) {
    std::string entries;
    for (const auto& property : properties) {
        if (IsMemoOrOLE(Required(property)))
            entries +=
                ", " + std::string(before) + vb::Trim(property->Name()) + "VarString" + std::string(after);
    }
    return WithoutLeadingComma(entries);
}

}  // namespace

std::string FormatValueLiteral(const typelib::IProperty& property, const vb::Variant& value) {
    const std::string dataType = property.DataType();
    if (dataType == "String")
        return vb::StringLiteral(value.ToString());
    if (dataType == "Date")
        return "#" + value.ToString() + "#";
    for (const std::string_view numberType : kBareNumberTypes) {
        if (dataType == numberType)
            return value.ToString();
    }
    return {};
}

std::string BuildVarStringParams(const PropertySet& properties) {
    return VarStringEntries(properties, "Optional ", " As String");
}

std::string BuildVarStringParamNames(const PropertySet& properties) {
    return VarStringEntries(properties, "", "");
}

std::string BuildVarStringArgs(const PropertySet& properties) {
    std::string entries;
    for (const auto& property : properties) {
        const std::string dataType = Required(property).DataType();
        if (dataType == "Memo")
            entries += ", mstr" + vb::Trim(property->Name()) + "VarString";
        else if (dataType == "OLE Object")
            entries += ", mstr" + vb::Trim(property->Name()) + "OLE_Object";
    }
    return WithoutLeadingComma(entries);
}

std::string ReplaceString(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find == replacement)
        return std::string(text);
    return vb::Replace(text, find, replacement);
}

}  // namespace patternkit::Common
