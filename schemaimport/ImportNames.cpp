#include "schemaimport/ImportNames.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "core/ApplicationLog.h"
#include "core/CommonNames.h"
#include "core/frmCodeGeneration.h"
#include "platform/vb/Text.h"

namespace schemaimport {
namespace {

constexpr std::string_view kPunctuation = "!+=|\\~`-@';:<>%$^&()#*?.";

// The name rule decides, character by character: no VB keyword begins with "Q", none is one letter long.
bool IsNameCharacter(const std::string& character) {
    return core::Common::VbNameFault("Q" + character).empty();
}

bool BeginsWithLetter(const std::string& name) {
    return !name.empty() && core::Common::VbNameFault(vb::Left(name, 1)).empty();
}

std::string SpellLeadingDigit(const std::string& name) {
    if (name.empty() || name[0] < '1' || name[0] > '9')
        return name;
    return ConvertDigit(vb::Variant(name.substr(0, 1))).ToString() + name.substr(1);
}

// The name's characters that VB allows in a name, "T" in front when they do not begin with a letter.
std::string LettersFirst(const std::string& name) {
    std::string kept;
    for (int32_t i = 1; i <= vb::Len(name); ++i) {
        const std::string character = vb::Mid(name, i, 1);
        if (IsNameCharacter(character))
            kept += character;
    }
    return BeginsWithLetter(kept) ? kept : "T" + kept;
}

// `head` cut until `faultOf` accepts `head` & `tail`.
std::string Fit(std::string head, const std::string& tail, const NameFault& faultOf) {
    for (std::string name = head + tail;; name = head + tail) {
        if (faultOf(name).empty() || head.empty())
            return name;
        head = vb::Left(head, vb::Len(head) - 1);
    }
}

// `name` cut until `faultOf` accepts it, then numbered from 2 (cut to make room) while `isTaken` holds.
std::string UniqueName(const std::string& name, const std::function<bool(const std::string&)>& isTaken,
                       const NameFault& faultOf) {
    std::string unique = Fit(name, "", faultOf);
    for (int32_t number = 2; isTaken(unique); ++number)
        unique = Fit(name, std::to_string(number), faultOf);
    return unique;
}

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

std::optional<VbNameChange> MakeVbName(const std::string& name, const std::string& owner,
                                       const std::function<bool(const std::string&)>& isTaken,
                                       const NameFault& faultOf, const NameFault& clashOf) {
    const auto clash = [&](const std::string& candidate) {
        return clashOf ? clashOf(candidate) : std::string();
    };
    const auto anyFault = [&](const std::string& candidate) {
        const std::string fault = faultOf(candidate);
        return fault.empty() ? clash(candidate) : fault;
    };
    const std::string fault = faultOf(name);
    const std::string clashing = fault.empty() ? clash(name) : std::string();
    if (fault.empty() && clashing.empty()) {
        if (!isTaken(name))
            return std::nullopt;
        return VbNameChange{name, "", UniqueName(name, isTaken, anyFault)};
    }
    VbNameChange change;
    const std::string word = core::ProperCase(vb::Trim(name));
    if (core::Common::IsVbKeyword(word)) {
        change.Was = word;
        change.Reason = "is a reserved word";
    } else {
        change.Was = name;
        change.Reason = clashing.empty() ? "breaks a rule of VB names (" + fault + ")"
                                         : "clashes with a member of its class (" + clashing + ")";
    }
    std::string made = LettersFirst(SpellLeadingDigit(name));
    if (core::Common::IsVbKeyword(made))
        made = LettersFirst(core::ProperCase(vb::Trim(owner)) + "_" + core::ProperCase(made));
    else if (!clash(made).empty())
        made = LettersFirst(core::ProperCase(vb::Trim(owner)) + "_" + made);
    change.Name = UniqueName(made, isTaken, anyFault);
    return change;
}

std::string VbNameMessage(const std::string& kind, const VbNameChange& change) {
    return "The " + kind + " name " + change.Was + " " + change.Reason + " so the " + kind +
           " name will be converted to: " + change.Name + ".";
}

}  // namespace schemaimport
