// Byte counts of the record types: padding, key text, and a buffer that holds every byte.

#include <gtest/gtest.h>

#include "recordlayout/RecordLayout.h"
#include "tests/patterns/tier3/SampleModel.h"

namespace {

using testing_support::AddSampleProperty;

struct PropertySpec {
    const char* name;
    const char* dataType;
    int32_t length;
    bool isKey;
};

patternkit::PropertySet Properties(std::initializer_list<PropertySpec> specs) {
    testing_support::FakeBusinessObject owner;
    for (const auto& expected : specs)
        AddSampleProperty(owner, expected.name, expected.dataType, expected.length)->isKey = expected.isKey;
    return patternkit::AllOf(*owner.properties);
}

TEST(RecordLayout, CountsPaddedMembersFlagsAndKeyText) {
    const struct {
        const char* what;
        patternkit::PropertySet properties;
        int32_t byteCount, keyLength, bufferLength;
    } cases[] = {
        {"Long key, String 30, Boolean, Memo, Currency padded by 2",
         Properties({{"CustomerID", "Long", 4, true},
                     {"Name", "String", 30, false},
                     {"Active", "Boolean", 2, false},
                     {"Notes", "Memo", 0, false},
                     {"Balance", "Currency", 8, false}}),
         136, 25, 68},
        {"two key parts and their separator",
         Properties({{"Code", "String", 10, true}, {"Part", "Integer", 2, true}}), 98, 36, 49},
        {"an odd count rounds up, so no byte is cut", Properties({{"Id", "Byte", 1, true}}), 53, 25, 27},
        {"a Memo adds only its flag", Properties({{"Id", "Byte", 1, true}, {"Notes", "Memo", 0, false}}), 55,
         25, 28},
        {"a Decimal is held in a padded Variant",
         Properties({{"Id", "Long", 4, true}, {"Rate", "Decimal", 14, false}}), 76, 25, 38},
        {"a type without a member adds only its flag",
         Properties({{"Id", "Long", 4, true}, {"Image", "VarBinary", 100, false}}), 58, 25, 29},
        {"no key gives an empty key text", Properties({{"Amount", "Long", 4, false}}), 6, 0, 3},
    };
    for (const auto& c : cases) {
        const recordlayout::RecordLayout layout = recordlayout::MeasureRecord(c.properties);
        EXPECT_EQ(layout.byteCount, c.byteCount) << c.what;
        EXPECT_EQ(layout.keyLength, c.keyLength) << c.what;
        EXPECT_EQ(layout.bufferLength, c.bufferLength) << c.what;
        EXPECT_GE(2 * layout.bufferLength, layout.byteCount) << c.what;
    }
}

TEST(RecordLayout, MemberLinesByDataType) {
    const struct {
        const char* dataType;
        int32_t length;
        std::optional<std::string> line;
    } cases[] = {
        {"Long", 4, "   &PropName As Long"},
        {"Date", 8, "   &PropName As Date"},
        {"String", 30, "   &PropName As String *  30"},
        {"Decimal", 14, "   &PropName As Variant"},
        {"Memo", 0, std::nullopt},
        {"OLE Object", 0, std::nullopt},
        {"VarBinary", 100, std::nullopt},
    };
    testing_support::FakeBusinessObject owner;
    for (const auto& c : cases) {
        const auto property = AddSampleProperty(owner, "Value", c.dataType, c.length);
        EXPECT_EQ(recordlayout::MemberLine(*property), c.line) << c.dataType;
    }
}

TEST(RecordLayout, PaddingTo4) {
    const std::pair<int32_t, int32_t> cases[] = {{0, 0}, {8, 0}, {5, 3}, {6, 2}, {7, 1}, {-1, 5}, {-4, 0}};
    for (const auto& [count, padding] : cases)
        EXPECT_EQ(recordlayout::PaddingTo4(count), padding) << count;
}

TEST(RecordLayout, OverflowRaisesSix) {
    try {
        recordlayout::MeasureRecord(Properties({{"Id", "String", 1 << 30, true}}));
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kOverflow);
    }
}

}  // namespace
