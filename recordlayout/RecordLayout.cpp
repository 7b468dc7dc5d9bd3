#include "recordlayout/RecordLayout.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/vb/Error.h"
#include "platform/vb/Numbers.h"

namespace recordlayout {
namespace {

struct FixedMember {
    std::string_view dataType;
    std::string_view vbType;
    int32_t bytes;
    bool aligned;  // padded to a multiple of 4 before it
};

// VB declares no Decimal variable: a Decimal value lives in a Variant, 16 bytes.
constexpr std::array<FixedMember, 9> kFixedMembers{{
    {"Byte", "Byte", 1, false},
    {"Boolean", "Boolean", 2, false},
    {"Integer", "Integer", 2, false},
    {"Long", "Long", 4, true},
    {"Single", "Single", 4, true},
    {"Double", "Double", 8, true},
    {"Currency", "Currency", 8, true},
    {"Decimal", "Variant", 16, true},
    {"Date", "Date", 8, true},
}};

constexpr int32_t kChangeFlagBytes = 2;
// Characters a key part other than a String takes in the key text.
constexpr int32_t kKeyPartLength = 25;

const FixedMember* FindFixedMember(std::string_view dataType) {
    const auto found = std::find_if(kFixedMembers.begin(), kFixedMembers.end(),
                                    [&](const FixedMember& member) { return member.dataType == dataType; });
    return found == kFixedMembers.end() ? nullptr : &*found;
}

// Bytes the property's value member adds to a record of `countBefore` bytes. Memo, OLE Object and types
// without a member add none.
int32_t MemberBytes(const typelib::IProperty& property, int32_t countBefore) {
    const std::string dataType = property.DataType();
    if (dataType == "String")
        return vb::LongMultiply(2, property.Length());
    const FixedMember* member = FindFixedMember(dataType);
    if (member == nullptr)
        return 0;
    return member->aligned ? vb::LongAdd(PaddingTo4(countBefore), member->bytes) : member->bytes;
}

}  // namespace

std::string RecordSizeFault(const std::string& bytes) {
    return "takes " + bytes + " bytes, more than the " + std::to_string(kMaxRecordBytes) +
           " that VB lets a record hold here: make long String properties Memo, or shorten them";
}

std::optional<std::string> MemberLine(const typelib::IProperty& property) {
    const std::string dataType = property.DataType();
    if (dataType == "String")
        return "   &PropName As String * " + vb::Str(property.Length());
    if (const FixedMember* member = FindFixedMember(dataType))
        return "   &PropName As " + std::string(member->vbType);
    return std::nullopt;
}

RecordLayout MeasureRecord(const std::vector<std::shared_ptr<typelib::IProperty>>& properties) {
    RecordLayout layout;
    int32_t keyCount = 0;
    for (const auto& reference : properties) {
        if (!reference)
            vb::Raise(vb::kObjectNotSet);
        const typelib::IProperty& property = *reference;
        layout.byteCount = vb::LongAdd(layout.byteCount, MemberBytes(property, layout.byteCount));
        layout.byteCount = vb::LongAdd(layout.byteCount, kChangeFlagBytes);
        if (property.IsKey()) {
            ++keyCount;
            layout.keyLength = vb::LongAdd(
                layout.keyLength, property.DataType() == "String" ? property.Length() : kKeyPartLength);
        }
    }
    // One separator between key parts.
    layout.keyLength = vb::LongAdd(layout.keyLength, std::max(keyCount - 1, 0));
    layout.byteCount = vb::LongAdd(layout.byteCount, vb::LongMultiply(2, layout.keyLength));
    layout.bufferLength = layout.byteCount / 2 + layout.byteCount % 2;
    return layout;
}

int32_t PaddingTo4(int32_t byteCount) {
    const int32_t remainder = byteCount % 4;
    return remainder == 0 ? 0 : 4 - remainder;
}

}  // namespace recordlayout
