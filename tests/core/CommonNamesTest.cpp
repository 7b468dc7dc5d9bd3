// The name rule, path and text procedures of the add-in's Common module.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/CommonNames.h"

namespace core::Common {
namespace {

TEST(ValidateName, AcceptsRewritesOrRefuses) {
    const std::string untouched = "(untouched)";
    struct Case {
        std::string name;
        bool valid;
        std::string nameAfter;
        std::string message;
    };
    const std::string thirty(30, 'a');
    const std::vector<Case> cases = {
        {"Order Lines", true, "Order_Lines", untouched},
        {" Lead", true, "_Lead", untouched},
        {"Two  Blanks", true, "Two__Blanks", untouched},
        {"_under_score", true, "_under_score", untouched},
        {thirty, true, thirty, untouched},
        {"Ärger Straße", true, "Ärger_Straße", untouched},
        {std::string(31, 'a'), false, std::string(31, 'a'), "Name too long!"},
        {"1" + std::string(29, '-') + "x", false, "1" + std::string(29, '-') + "x", "Name too long!"},
        // Thirty characters in thirty-one bytes.
        {std::string(29, 'e') + "\xC3\xA9", true, std::string(29, 'e') + "\xC3\xA9", untouched},
        {"9Lives", false, "9Lives", "Name must begin with a letter!"},
        {"", false, "", "Name must begin with a letter!"},
        {"Cost-Centre", false, "Cost-Centre", "There can be no puctuation in a name!"},
        {"Mr. Smith", false, "Mr. Smith", "There can be no puctuation in a name!"},
        {"A,B", false, "A,B", "There can be no puctuation in a name!"},
        {"Say\"Hi", false, "Say\"Hi", "There can be no puctuation in a name!"},
        {"Back`tick", false, "Back`tick", "There can be no puctuation in a name!"},
        {"Curly{", false, "Curly{", "There can be no puctuation in a name!"},
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        std::string message = untouched;
        EXPECT_EQ(ValidateName(name, message), c.valid) << c.name;
        EXPECT_EQ(name, c.nameAfter) << c.name;
        EXPECT_EQ(message, c.message) << c.name;
    }
}

TEST(ValidateName, RefusesEveryPunctuationCharacter) {
    for (const char mark : std::string("!-=+~\\|@';:<>%$^&()#*?.{},`\"")) {
        std::string name = std::string("Ab") + mark + "c";
        std::string message;
        EXPECT_FALSE(ValidateName(name, message)) << mark;
    }
}

TEST(VbNameFault, AcceptsOnlyNamesVbCanRead) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Customer", ""},
        {"Order_Line2", ""},
        {"Straße", ""},
        {"Name", ""},
        {"Dimension", ""},
        {"", "Name must begin with a letter!"},
        {"2nd", "Name must begin with a letter!"},
        {"_Lead", "Name must begin with a letter!"},
        {"../escaped", "There can be no puctuation in a name!"},
        {"Quote\"Table", "There can be no puctuation in a name!"},
        {std::string(31, 'a'), "Name too long!"},
        {"Order Header", "A name can hold only letters, digits and \"_\"!"},
        {"a/b", "A name can hold only letters, digits and \"_\"!"},
        {"Item[1]", "A name can hold only letters, digits and \"_\"!"},
        {"名前", "Name must begin with a letter!"},
        {"Dim", "\"Dim\" is a word VB reserves!"},
        {"sELECT", "\"sELECT\" is a word VB reserves!"},
        {"WithEvents", "\"WithEvents\" is a word VB reserves!"},
    };
    for (const auto& [name, fault] : cases)
        EXPECT_EQ(VbNameFault(name), fault) << name;
}

TEST(AddBackslash, AddsTheSeparatorToTheTrimmedPath) {
    struct Case {
        std::string path;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"/opt/ostrel", "/opt/ostrel/"},
        {"/opt/ostrel ", "/opt/ostrel/"},
        {"  /opt/ostrel", "/opt/ostrel/"},
        {"/opt/ostrel/", "/opt/ostrel/"},
        {"/opt/ostrel/ ", "/opt/ostrel/ "},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddBackslash(c.path), c.expected) << "'" << c.path << "'";
}

TEST(ReplaceText, ReplacesLeftToRightWithoutSearchingInsertedText) {
    struct Case {
        std::string text, find, replacement, expected;
    };
    const std::vector<Case> cases = {
        {"a  b", " ", "_", "a__b"},
        {"abca", "a", "aa", "aabcaa"},
        {"aaa", "aa", "b", "ba"},
        {"Order", "order", "x", "Order"},
        {"Orders.Properties.Name", "Orders", "Sales", "Sales.Properties.Name"},
        {"no change", "", "x", "no change"},
        {"", "a", "b", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceText(c.text, c.find, c.replacement), c.expected) << c.text;
}

}  // namespace
}  // namespace core::Common
