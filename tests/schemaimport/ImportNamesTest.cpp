// Type names of ADO codes and property names of column names.

#include "schemaimport/ImportNames.h"

#include <gtest/gtest.h>

namespace schemaimport {
namespace {

TEST(ImportNames, FieldTypeOfEveryCode) {
    const std::vector<std::pair<std::vector<int16_t>, std::string>> table = {
        {{129, 200}, "String"},
        {{3, 16, 19, 131}, "Long"},
        {{17}, "Byte"},
        {{2}, "Integer"},
        {{4}, "Single"},
        {{5}, "Double"},
        {{7, 133, 134, 135}, "Date"},
        {{6}, "Currency"},
        {{201}, "Memo"},
        {{204}, "VarBinary"},
        {{205}, "OLE Object"},
        {{11}, "Boolean"},
        {{0, 20, 72, 128, 130, 202, -1}, ""},
    };
    for (const auto& [codes, name] : table) {
        for (const int16_t code : codes)
            EXPECT_EQ(FieldType(code), name) << code;
    }
}

TEST(ImportNames, PropertyNamesOfColumns) {
    const std::vector<std::pair<std::string, std::string>> table = {
        {"Order Date", "Order_Date"},
        {"2ndPhone", "TwondPhone"},
        {"0Code", "Code"},
        {"Ship-To#", "ShipTo"},
        {"9 Lives", "Nine_Lives"},
        {"!+=|\\~`-@';:<>%$^&()#*?.", ""},
        {"#", ""},
        {"0", ""},
        {"A]\"[", "A]\"["},
        {"Größe", "Größe"},
    };
    for (const auto& [column, property] : table)
        EXPECT_EQ(PropertyNameOf(column), property) << column;
}

TEST(ImportNames, ReservedWords) {
    struct Case {
        std::string property, businessObject;
        std::optional<std::string> word, newName;
    };
    const Case cases[] = {
        {"type", "Item_Kinds", "Type", "Item_kinds_Type"},
        {" PRIVATE ", " ORDER lines ", "Private", "Order Lines_Private"},
        {"Types", "Item", std::nullopt, std::nullopt},
        {"Type_Code", "Item", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto renamed = RenameReservedWord(c.property, c.businessObject);
        EXPECT_EQ(renamed.has_value(), c.word.has_value()) << c.property;
        if (renamed) {
            EXPECT_EQ(renamed->Word, *c.word);
            EXPECT_EQ(renamed->NewName, *c.newName);
        }
    }
}

TEST(ImportNames, ConvertDigitRemovePunctuationAndAttributeType) {
    const std::vector<std::pair<std::string, std::string>> digits = {
        {"1", "One"}, {"9", "Nine"}, {" 3 ", "Three"}, {"0", ""},
        {"10", ""},   {"x", ""},     {"2.5", ""},      {"", ""},
    };
    for (const auto& [digit, word] : digits)
        EXPECT_EQ(ConvertDigit(vb::Variant(digit)).ToString(), word) << digit;
    EXPECT_EQ(ConvertDigit(vb::Variant(int16_t{5})).ToString(), "Five");
    EXPECT_EQ(RemovePunctuation(vb::Variant("a.b-c d(e)")).ToString(), "abc de");
    EXPECT_EQ(AttributeType(0), "");
    EXPECT_EQ(AttributeType(4 + 32 + 64), "adFldUpdatable adFldIsNullable adFldMayBeNull ");
    EXPECT_EQ(AttributeType(2 + 4096), "adFldMayDefer adFldCacheDeferred");
    EXPECT_EQ(AttributeType(1 + 1024 + 2048), "");
}

}  // namespace
}  // namespace schemaimport
