#include <gtest/gtest.h>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace {

TEST(Text, LengthsAndPositionsCountCharacters) {
    const std::string text = "Zoë's café";  // two characters of two bytes each
    EXPECT_EQ(vb::Len(text), 10);
    EXPECT_EQ(vb::Left(text, 3), "Zoë");
    EXPECT_EQ(vb::Right(text, 4), "café");
    EXPECT_EQ(vb::Mid(text, 3, 3), "ë's");
    EXPECT_EQ(vb::Mid(text, 7), "café");
    EXPECT_EQ(vb::Mid(text, 20), "");
    EXPECT_EQ(vb::InStr(text, "café"), 7);
    EXPECT_EQ(vb::InStr(8, text, "é"), 10);
    EXPECT_EQ(vb::Left(text, 99), text);
}

TEST(Text, InStrFollowsVbRules) {
    const struct {
        int start;
        const char* text;
        const char* find;
        vb::Compare compare;
        int expected;
    } cases[] = {
        {1, "abcabc", "bc", vb::Compare::Binary, 2}, {3, "abcabc", "bc", vb::Compare::Binary, 5},
        {1, "abcabc", "BC", vb::Compare::Binary, 0}, {1, "abcabc", "BC", vb::Compare::Text, 2},
        {1, "", "", vb::Compare::Binary, 0},         {2, "abc", "", vb::Compare::Binary, 2},
        {9, "abc", "a", vb::Compare::Binary, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::InStr(c.start, c.text, c.find, c.compare), c.expected) << c.text;
}

TEST(Text, TrimRemovesOnlyBlanks) {
    EXPECT_EQ(vb::Trim("  a b  "), "a b");
    EXPECT_EQ(vb::LTrim("  a "), "a ");
    EXPECT_EQ(vb::RTrim(" a  "), " a");
    EXPECT_EQ(vb::Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(vb::Trim("   "), "");
}

TEST(Text, ReplaceAndCase) {
    EXPECT_EQ(vb::Replace("O'Brien's", "'", "''"), "O''Brien''s");
    EXPECT_EQ(vb::Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(vb::Replace("abc", "", "x"), "abc");
    EXPECT_EQ(vb::UCase("straße é"), "STRAßE É");
    EXPECT_EQ(vb::LCase("ÀB"), "àb");
    EXPECT_TRUE(vb::TextEquals("Café", "CAFÉ"));
    EXPECT_FALSE(vb::TextEquals("NY", "NYC"));
}

TEST(Text, NegativeLengthsAreInvalidCalls) {
    for (auto call : {+[] { vb::Left("a", -1); }, +[] { vb::Mid("a", 0); }, +[] { vb::Space(-1); }}) {
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), vb::kInvalidProcedureCall);
        }
    }
}

TEST(Text, Windows1252RoundTrip) {
    const std::string utf8 =
        "\xE2\x82\xAC 5 \xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D";  // euro, e-acute, curly quotes
    const std::string bytes = vb::Utf8ToWindows1252(utf8);
    EXPECT_EQ(bytes, "\x80 5 \xE9 \x93q\x94");
    EXPECT_EQ(vb::Windows1252ToUtf8(bytes), utf8);
    EXPECT_EQ(vb::Utf8ToWindows1252("\xE4\xB8\xAD"), "?");  // no such character in the code page
}

}  // namespace
