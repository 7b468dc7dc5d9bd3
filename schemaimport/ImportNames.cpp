#include "schemaimport/ImportNames.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "core/ApplicationLog.h"
#include "core/frmCodeGeneration.h"
#include "platform/vb/Text.h"

namespace schemaimport {
namespace {

constexpr std::string_view kPunctuation = "!+=|\\~`-@';:<>%$^&()#*?.";

}  // namespace

std::string FieldType(int16_t typeCode) {
    switch (typeCode) {
        case 129:
        case 200:
            return "String";
        case 3:
        case 16:
        case 19:
        case 131:
            return "Long";
        case 17:
            return "Byte";
        case 2:
            return "Integer";
        case 4:
            return "Single";
        case 5:
            return "Double";
        case 7:
        case 133:
        case 134:
        case 135:
            return "Date";
        case 6:
            return "Currency";
        case 201:
            return "Memo";
        case 204:
            return "VarBinary";
        case 205:
            return "OLE Object";
        case 11:
            return "Boolean";
        default:
            return "";
    }
}

std::string AttributeType(int16_t attributes) {
    return core::LogAndRaiseAs("AttributeType", [attributes] {
        static constexpr std::array<std::pair<int32_t, const char*>, 10> kFlags = {{
            {2, "adFldMayDefer "},
            {4, "adFldUpdatable "},
            {8, "adFldUnknownUpdatable "},
            {16, "adFldFixed "},
            {32, "adFldIsNullable "},
            {64, "adFldMayBeNull "},
            {128, "adFldLong "},
            {256, "adFldRowID "},
            {512, "adFldRowVersion "},
            {4096, "adFldCacheDeferred"},
        }};
        std::string names;
        for (const auto& [bit, name] : kFlags) {
            if ((attributes & bit) != 0)
                names += name;
        }
        return names;
    });
}

vb::Variant ConvertDigit(const vb::Variant& digit) {
    return core::LogAndRaiseAs("ConvertDigit", [&digit]() -> vb::Variant {
        static constexpr std::array<const char*, 9> kWords = {"One", "Two",   "Three", "Four", "Five",
                                                              "Six", "Seven", "Eight", "Nine"};
        if (!digit.IsNumeric())
            return std::string();
        const double value = digit.ToDouble();
        if (value < 1 || value > 9 || value != std::floor(value))
            return std::string();
        return std::string(kWords[static_cast<std::size_t>(value) - 1]);
    });
}

vb::Variant RemovePunctuation(const vb::Variant& name) {
    return core::LogAndRaiseAs("RemovePunctuation", [&name]() -> vb::Variant {
        std::string text = name.ToString();
        for (const char character : kPunctuation)
            std::erase(text, character);
        return text;
    });
}

std::string PropertyNameOf(const std::string& columnName) {
    std::string name = vb::Replace(columnName, " ", "_");
    if (!name.empty() && name[0] >= '0' && name[0] <= '9')
        name = ConvertDigit(vb::Variant(name.substr(0, 1))).ToString() + name.substr(1);
    return RemovePunctuation(vb::Variant(name)).ToString();
}

std::optional<ReservedRename> RenameReservedWord(const std::string& propertyName,
                                                 const std::string& businessObjectName) {
    const std::string word = core::ProperCase(vb::Trim(propertyName));
    if (word != "Type" && word != "Private")
        return std::nullopt;
    return ReservedRename{word, core::ProperCase(vb::Trim(businessObjectName)) + "_" + word};
}

}  // namespace schemaimport
