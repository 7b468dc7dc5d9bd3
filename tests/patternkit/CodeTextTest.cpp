// Texts and numbers computed for generated code from properties.

#include <gtest/gtest.h>

#include "patternkit/Common.h"
#include "tests/patternkit/ModelDoubles.h"

namespace {

using testing_support::FakeProperty;

std::shared_ptr<FakeProperty> PropertyOf(const std::string& dataType, const std::string& name = "P",
                                         int32_t length = 0) {
    auto property = std::make_shared<FakeProperty>();
    property->name = name;
    property->dataType = dataType;
    property->length = length;
    return property;
}

TEST(CodeText, SqlServerTypeByDataType) {
    const struct {
        const char* dataType;
        int32_t length;
        const char* expected;
    } cases[] = {
        {"Byte", 0, "TINYINT"},  {"Integer", 0, "SMALLINT"}, {"Long", 0, "INT"},
        {"Single", 0, "FLOAT"},  {"Double", 0, "FLOAT"},     {"Currency", 0, "MONEY"},
        {"Date", 0, "DATETIME"}, {"String", 50, "CHAR(50)"}, {"String", 0, "CHAR(0)"},
        {"Memo", 0, "TEXT"},     {"Boolean", 0, "BIT"},      {"OLE Object", 0, "???"},
        {"Decimal", 0, ""},      {"string", 10, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(patternkit::Common::GetSQLServerType(*PropertyOf(c.dataType, "P", c.length)), c.expected)
            << c.dataType;
    }
}

TEST(CodeText, StringLengthBeyondAnIntegerOverflows) {
    try {
        patternkit::Common::GetSQLServerType(*PropertyOf("String", "P", 40000));
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kOverflow);
    }
}

TEST(CodeText, ValueLiteralsByDataType) {
    const struct {
        const char* dataType;
        vb::Variant value;
        const char* expected;
    } cases[] = {
        {"String", "O'Hara", "\"O'Hara\""},
        {"String", "say \"hi\"", "\"say \"\"hi\"\"\""},
        {"String", "\"", "\"\"\"\""},
        {"Long", int32_t{42}, "42"},
        {"Double", 2.5, "2.5"},
        {"Decimal", "12.75", "12.75"},
        {"Date", "1/2/1999", "#1/2/1999#"},
        {"Boolean", true, ""},
        {"Memo", "text", ""},
        {"OLE Object", "x", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(patternkit::Common::FormatValueLiteral(*PropertyOf(c.dataType), c.value), c.expected)
            << c.dataType;
}

TEST(CodeText, VarStringListsNameMemoAndOleProperties) {
    const patternkit::PropertySet mixed = {PropertyOf("Long", "ID"), PropertyOf("Memo", " Notes "),
                                           PropertyOf("OLE Object", "Photo")};
    EXPECT_EQ(patternkit::Common::BuildVarStringParams(mixed),
              " Optional NotesVarString As String, Optional PhotoVarString As String");
    EXPECT_EQ(patternkit::Common::BuildVarStringArgs(mixed), " mstrNotesVarString, mstrPhotoOLE_Object");

    const patternkit::PropertySet plain = {PropertyOf("Long", "ID"), PropertyOf("String", "Name")};
    EXPECT_EQ(patternkit::Common::BuildVarStringParams(plain), "");
    EXPECT_EQ(patternkit::Common::BuildVarStringArgs(plain), "");
}

TEST(CodeText, ReplaceString) {
    const struct {
        const char* text;
        const char* find;
        const char* replacement;
        const char* expected;
    } cases[] = {
        {"1.5.2", ".", "D", "1D5D2"},     {"-0.5", "-", "M", "M0.5"},
        {"aaa", "a", "aa", "aaaaaa"},  // each search resumes behind what it put in
        {"Abc abc", "abc", "x", "Abc x"}, {"same", "m", "m", "same"},
        {"text", "", "x", "text"},  // nothing to find: unchanged rather than endless
    };
    for (const auto& c : cases)
        EXPECT_EQ(patternkit::Common::ReplaceString(c.text, c.find, c.replacement), c.expected) << c.text;
}

}  // namespace
