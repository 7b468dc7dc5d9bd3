#include <gtest/gtest.h>

#include <string>

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

// Characters counted eight bytes at a time, wherever one starts or ends.
TEST(Text, LenCountsEveryCharacterOnceAcrossEightByteRuns) {
    const struct {
        const char* text;
        int32_t characters;
    } cases[] = {
        {"", 0},
        {"abcdefgh", 8},
        {"abcdefg\u20acx", 9},  // the euro sign's three bytes across the first run's end
        {"\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9", 8},
        {"a\U0001F600b\U0001F600c\U0001F600d", 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::Len(c.text), c.characters) << c.text;
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

TEST(Text, CaseFoldingIsTheSameForAsciiAndOtherText) {
    const struct {
        const char* text;
        const char* lower;
        const char* upper;
    } cases[] = {
        {"", "", ""},
        {"Private Sub Form_Load()", "private sub form_load()", "PRIVATE SUB FORM_LOAD()"},
        {"@[`{ 09_", "@[`{ 09_", "@[`{ 09_"},  // the neighbours of the letters stay
        {"\xC3\x84pfel", "\xC3\xA4pfel", "\xC3\x84PFEL"},
        {"A\xC3\x97\xC3\xB7z", "a\xC3\x97\xC3\xB7z", "A\xC3\x97\xC3\xB7Z"},  // times and divide
        {"\xC3\x9E\xC3\xBE\xC3\x9F\xC3\xBF", "\xC3\xBE\xC3\xBE\xC3\x9F\xC3\xBF",
         "\xC3\x9E\xC3\x9E\xC3\x9F\xC3\xBF"},
        {"\xE2\x82\xAC Ab", "\xE2\x82\xAC ab", "\xE2\x82\xAC AB"},
        {"\xC3"
         "A",
         "\xC3"
         "a",
         "\xC3"
         "A"},  // a malformed byte stays as it is
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::LCase(c.text), c.lower) << c.text;
        EXPECT_EQ(vb::FoldCase(c.text), c.lower) << c.text;
        EXPECT_EQ(vb::UCase(c.text), c.upper) << c.text;
        EXPECT_TRUE(vb::TextEquals(c.lower, c.upper)) << c.text;
    }
}

TEST(Text, TextEqualsIgnoresOnlyLetterCase) {
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"", "", true},
        {"Order", "oRDER", true},
        {"Order", "Orders", false},
        {"Orders", "Order", false},
        {"@", "`", false},  // 0x40 and 0x60 differ by the case bit but are no letters
        {"[", "{", false},
        {"Caf\xC3\xA9", "CAF\xC3\x89", true},
        {"Caf\xC3\xA9", "CAFE", false},
        {"\xC3\xA4x", "\xC3\x84X", true},
        {"\xC3\xA4", "\xC3\xA5", false},
        {"x\xC3\x97", "X\xC3\xB7", false},
        {"ab\xC3\xA9", "AB", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::TextEquals(c.a, c.b), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(vb::TextEquals(c.b, c.a), c.equal) << c.b << " / " << c.a;
    }
}

TEST(Text, IsAsciiLooksAtEveryByte) {
    const struct {
        std::string text;
        bool ascii;
    } cases[] = {{"", true},     {"plain text\r\n", true}, {std::string("a\0b", 3), true},
                 {"\x7F", true}, {"abc\x80", false},       {"\xC3\xA9t\xC3\xA9", false}};
    for (const auto& c : cases)
        EXPECT_EQ(vb::IsAscii(c.text), c.ascii) << c.text;
}

TEST(Text, IdentifiersTakeAsciiAndLatin1Letters) {
    const struct {
        std::string text;
        bool identifier;
    } cases[] = {{"Order_2", true},
                 {"Gr\xC3\xB6\xC3\x9F"
                  "e",
                  true},
                 {"\xC3\x89t\xC3\xA9", true},
                 {"", false},
                 {"_x", false},
                 {"2nd", false},
                 {"a b", false},
                 {"a\xC3\x97"
                  "b",
                  false},
                 {"\xE5\x90\x8D", false},
                 {"\xC5\xA0koda", false}};  // multiply sign; a CJK letter; S-caron lies outside Latin-1
    for (const auto& c : cases)
        EXPECT_EQ(vb::IsIdentifier(c.text), c.identifier) << c.text;
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
        // euro, e-acute, curly quotes, the no-break space
        "\xE2\x82\xAC 5 \xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D\xC2\xA0";
    const std::string bytes = vb::Utf8ToWindows1252(utf8);
    EXPECT_EQ(bytes, "\x80 5 \xE9 \x93q\x94\xA0");
    EXPECT_EQ(vb::Windows1252ToUtf8(bytes), utf8);
    EXPECT_EQ(vb::Utf8ToWindows1252("\xE4\xB8\xAD"), "?");  // no such character in the code page
}

TEST(Text, FirstCharacterOutsideWindows1252) {
    const std::pair<const char*, const char*> cases[] = {
        // text, its first character outside
        {"", ""},
        {"Net 30 & \"more\" ]", ""},
        {"Gr\xC3\xB6\xC3\x9F\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9C", ""},  // Latin-1 letters, euro, curly quote
        {"ab\xD0\x9A\xD0\xBB", "\xD0\x9A"},                            // Cyrillic
        {"\xE4\xB8\xAD\xE6\x96\x87", "\xE4\xB8\xAD"},                  // CJK
        {"x\xC2\x81y", "\xC2\x81"},  // a C1 control the code page leaves empty
        {"30\xC2\xA0Net", ""},       // the no-break space, first of the code page's upper half
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const auto& [text, outside] : cases)
        EXPECT_EQ(vb::FirstOutsideWindows1252(text), outside) << text;
}

}  // namespace
