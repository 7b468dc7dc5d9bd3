// Type names of ADO codes and property names of column names.

#include "schemaimport/ImportNames.h"

#include <gtest/gtest.h>

#include "core/GeneratedNames.h"

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

// What the rules 1 to 3 leave and VB refuses: each mend, the message's words, and numbering of a name
// the mend makes alike to a taken one.
TEST(ImportNames, NamesVbRefusesAreMended) {
    const std::string longName(40, 'a');
    struct Case {
        std::string name, owner;
        std::optional<std::string> was, newName;
        std::string reason;
    };
    const Case cases[] = {
        {"type", "Item_Kinds", "Type", "Item_kinds_Type", "is a reserved word"},
        {"PRIVATE", "ORDER_lines", "Private", "Order_lines_Private", "is a reserved word"},
        {"Dim", "Orders", "Dim", "Orders_Dim", "is a reserved word"},
        {"sElEcT", "", "Select", "T_Select", "is a reserved word"},
        {"Quote\"Table", "x", "Quote\"Table", "QuoteTable2",
         "breaks a rule of VB names (There can be no puctuation in a name!)"},
        {"名前", "x", "名前", "T", "breaks a rule of VB names (Name must begin with a letter!)"},
        {"Größe名", "x", "Größe名", "Größe",
         "breaks a rule of VB names (A name can hold only letters, digits and \"_\"!)"},
        {"2nd_Table", "x", "2nd_Table", "Twond_Table",
         "breaks a rule of VB names (Name must begin with a letter!)"},
        {"0Orders", "x", "0Orders", "T0Orders", "breaks a rule of VB names (Name must begin with a letter!)"},
        {"_x", "x", "_x", "T_x", "breaks a rule of VB names (Name must begin with a letter!)"},
        {"D\"im", "Orders", "D\"im", "Orders_Dim",
         "breaks a rule of VB names (There can be no puctuation in a name!)"},
        {longName, "x", longName, std::string(30, 'a'), "breaks a rule of VB names (Name too long!)"},
        {"read", "Messages", "read", "Messages_read",
         "clashes with a member of its class (the name \"read\" is also the name of a member of every "
         "generated class, letter case aside)"},
        {"NameIsValid", "Messages", "NameIsValid", "Messages_NameIsValid",
         "clashes with a member of its class (the name \"NameIsValid\" is also the name of the validation "
         "function of property \"Messages.Name\", letter case aside)"},
        {"Types", "Item", std::nullopt, std::nullopt, ""},
        {"Type_Code", "Item", std::nullopt, std::nullopt, ""},
        {"Größe", "Item", std::nullopt, std::nullopt, ""},
    };
    // Taken: "QuoteTable", so the quote's removal numbers it; a class with a property "Name".
    const auto isTaken = [](const std::string& name) { return name == "QuoteTable"; };
    core::ClassMembers members;
    members.TakeProperty(R"(Property "Messages.Name")", "Name", "String");
    const auto clashOf = [&](const std::string& name) { return members.PropertyClash(name, "Long"); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto change = MakeVbName(c.name, c.owner, isTaken, core::Common::VbNameFault, clashOf);
        ASSERT_EQ(change.has_value(), c.newName.has_value());
        if (!change)
            continue;
        EXPECT_EQ(change->Name, *c.newName);
        EXPECT_EQ(VbNameMessage("property", *change),
                  "The property name " + *c.was + " " + c.reason +
                      " so the property name will be converted to: " + *c.newName + ".");
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
