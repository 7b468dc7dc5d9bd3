#include <gtest/gtest.h>

#include "platform/vb/DateTime.h"
#include "platform/vb/Error.h"
#include "platform/vb/Variant.h"

#include "tests/support/ErrorNumber.h"

namespace {

using testing_support::ErrorNumberOf;

TEST(Variant, ConvertsToTextAsCStrDoes) {
    const struct {
        vb::Variant value;
        const char* text;
    } cases[] = {
        {vb::Variant(), ""},
        {vb::Variant(true), "True"},
        {vb::Variant(int16_t{-7}), "-7"},
        {vb::Variant(int32_t{70000}), "70000"},
        {vb::Variant(0.5), ".5"},
        {vb::Variant::Currency(12345000), "1234.5"},
        {vb::Variant("text"), "text"},
        {vb::Variant::Date(vb::DateSerial({2026, 12, 8, 19, 38, 56})), "12/8/2026 7:38:56 PM"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value.ToString(), c.text);
}

TEST(Variant, NumericConversions) {
    EXPECT_EQ(vb::Variant(" 42 ").ToInteger(), 42);
    EXPECT_EQ(vb::Variant("2.5").ToInteger(), 2);
    EXPECT_EQ(vb::Variant(true).ToInteger(), -1);
    EXPECT_EQ(vb::Variant("True").ToBoolean(), true);
    EXPECT_EQ(vb::Variant().ToLong(), 0);
    EXPECT_TRUE(vb::Variant("1.5e3").IsNumeric());
    EXPECT_FALSE(vb::Variant("12abc").IsNumeric());
    EXPECT_EQ(ErrorNumberOf([] { vb::Variant("abc").ToInteger(); }), vb::kTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { vb::Variant("40000").ToInteger(); }), vb::kOverflow);
    EXPECT_EQ(ErrorNumberOf([] { vb::Variant::Null().ToString(); }), vb::kInvalidUseOfNull);
    EXPECT_EQ(ErrorNumberOf([] { vb::Variant(1.0).ToObject(); }), vb::kTypeMismatch);
}

TEST(Variant, TypesAndEquality) {
    EXPECT_EQ(vb::Variant::Null().Type(), vb::VarType::Null);
    EXPECT_EQ(vb::Variant(int16_t{1}).Type(), vb::VarType::Integer);
    EXPECT_EQ(vb::Variant(std::make_shared<vb::Object>()).Type(), vb::VarType::Object);
    EXPECT_EQ(vb::Variant("a"), vb::Variant(std::string("a")));
    EXPECT_FALSE(vb::Variant(int16_t{1}) == vb::Variant(int32_t{1}));
}

}  // namespace
