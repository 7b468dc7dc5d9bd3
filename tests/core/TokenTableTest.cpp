#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TokenTable.h"

namespace {

// Values name the token and count its evaluations, so a test sees what was computed and in what order.
struct Recorder {
    const core::TokenTable& table;
    std::vector<std::string> evaluated;
    std::string operator()(size_t token) {
        evaluated.push_back(table.Name(token));
        return "<" + table.Name(token).substr(1) + ">";
    }
};

core::TokenTable Table(std::initializer_list<const char*> names) {
    core::TokenTable table;
    for (const char* name : names)
        table.Add(name);
    return table;
}

TEST(TokenTable, ReplacesEveryOccurrenceInPositionOrder) {
    const core::TokenTable table = Table({"&PropName", "&PropDataType", "&BusObjName", "&PropNameX2"});
    const struct {
        const char* line;
        const char* expected;
        std::vector<std::string> evaluated;
    } cases[] = {
        {"Dim m&PropName As &PropDataType",
         "Dim m<PropName> As <PropDataType>",
         {"&PropName", "&PropDataType"}},
        {"&BusObjName = &BusObjName", "<BusObjName> = <BusObjName>", {"&BusObjName", "&BusObjName"}},
        {"&PropNameIsChanged", "<PropName>IsChanged", {"&PropName"}},
        {"&propname stays", "&propname stays", {}},
        {"no tokens & here", "no tokens & here", {}},
        {"", "", {}},
        {"&&PropName&", "&<PropName>&", {"&PropName"}},
    };
    for (const auto& c : cases) {
        Recorder recorder{table, {}};
        EXPECT_EQ(table.Substitute(c.line, recorder), c.expected) << c.line;
        EXPECT_EQ(recorder.evaluated, c.evaluated) << c.line;
    }
}

TEST(TokenTable, ValuesAreNeverScannedAgain) {
    const core::TokenTable table = Table({"&A1", "&B1"});
    EXPECT_EQ(
        table.Substitute("x&A1y&B1", [](size_t token) { return token == 0 ? std::string("&B1") : "b"; }),
        "x&B1yb");
}

TEST(TokenTable, AtOnePositionTheTokenListedFirstWins) {
    const core::TokenTable table = Table({"&Ab", "&A", "b"});
    Recorder recorder{table, {}};
    // "&Ab" and "&A" start at 0: "&Ab" is listed first; "b" inside it is replaced by the rebuild's search
    // only where it stands outside an earlier replacement.
    EXPECT_EQ(table.Substitute("&Ab b", recorder), "<Ab> <>");
}

TEST(TokenTable, EveryLineStartsAfresh) {
    const struct {
        std::vector<const char*> tokens;
        std::vector<std::string> lines;  // substituted one after another through one table
        std::vector<std::string> expected;
    } cases[] = {
        // One character starts every token; a token that overlapped itself on one line is free on the next.
        {{"aa"}, {"aaa", "aaa", "aaaa"}, {"<a>a", "<a>a", "<a><a>"}},
        // Tokens with several starting characters, a single-character one among them.
        {{"&X", "#Y", "z"},
         {"a&X#Yz", "zz", "#", "&", "no match"},
         {"a<X><Y><>", "<><>", "#", "&", "no match"}},
        {{"&X"}, {"&X&", "&&X", "X&X"}, {"<X>&", "&<X>", "X<X>"}},
    };
    for (const auto& c : cases) {
        core::TokenTable table;
        for (const char* token : c.tokens)
            table.Add(token);
        Recorder recorder{table, {}};
        for (size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(table.Substitute(c.lines[i], recorder), c.expected[i]) << c.lines[i];
    }
}

TEST(TokenTable, SubstituteIntoAppendsAndAValueMaySubstituteALineOfItsOwn) {
    const core::TokenTable table = Table({"&Outer", "&Inner"});
    std::string out = "Line: ";
    table.SubstituteInto("[&Outer] [&Inner]", out, [&](size_t token) {
        return token == 0 ? table.Substitute("(&Inner)", [](size_t) { return std::string("in"); })
                          : std::string("second");
    });
    EXPECT_EQ(out, "Line: [(in)] [second]");
}

// A line substituted through a table of `tokens`, each token's value its place in the list, so that a test
// sees which of two equal names won.
struct Substitution {
    std::vector<const char*> tokens;
    const char* line;
    const char* expected;
};

void ExpectEach(std::initializer_list<Substitution> cases) {
    for (const Substitution& c : cases) {
        core::TokenTable table;
        for (const char* token : c.tokens)
            table.Add(token);
        EXPECT_EQ(table.Substitute(c.line, [](size_t token) { return "<" + std::to_string(token) + ">"; }),
                  c.expected)
            << c.line;
    }
}

TEST(TokenTable, ComparesWholeNamesOfEveryLength) {
    ExpectEach({
        // The same first eight characters, told apart by the rest.
        {{"&PropControlType", "&PropConvertFunction"}, "&PropConvertFunction(&PropControlType)", "<1>(<0>)"},
        // The same first and last eight, told apart only in the middle.
        {{"&Abcdefg1234Tailpart", "&Abcdefg5678Tailpart"},
         "&Abcdefg5678Tailpart &Abcdefg9999Tailpart &Abcdefg1234Tailpart",
         "<1> &Abcdefg9999Tailpart <0>"},
        // Eight characters exactly; the same cut short by the end of the line.
        {{"&AppName"}, "&AppName&AppNam", "<0>&AppNam"},
        {{"&PropName"}, "x &PropNam", "x &PropNam"},
        {{"&PropName"}, "&PropName", "<0>"},
        // Short names, also at the end of the line.
        {{"&Ab", "&AppDSN"}, "&AppDSN&Ab&A", "<1><0>&A"},
        {{"&AppDSN"}, "&AppDS", "&AppDS"},
        // Names sharing one starting word with a longer one, and a short one inside a long one.
        {{"&PropName", "&PropNameX2", "&Prop"}, "&PropNameX2 &PropNameX &Prop", "<0>X2 <0>X <2>"},
        {{"&PropNameX2", "&PropName"}, "&PropNameX2 &PropNameX", "<0> <1>X"},
    });
}

TEST(TokenTable, OccurrencesThatOverlapAreReplacedWhereTheNamesAreNextFound) {
    ExpectEach({
        // The second token begins inside the first: it is looked for again after the first's value.
        {{"ab", "bc"}, "abc bc", "<0>c <1>"},
        {{"bc", "abc"}, "abc", "<1>"},
        {{"bc", "abc"}, "abcbc", "<1><0>"},
        // Two tokens at one place: the one listed first, its name found from where the line goes on.
        {{"&A", "&AB"}, "&AB &AB", "<0>B <0>B"},
        {{"&AB", "&A"}, "&AB &A", "<0> <1>"},
        {{"&Twice", "&Twice"}, "&Twice", "<0>"},
        {{"&PropName", "&PropName"}, "[&PropName]", "[<0>]"},
        // A token overlapping itself.
        {{"&&"}, "&&&&&", "<0><0>&"},
        {{"&Nested&Nested"}, "&Nested&Nested&Nested", "<0>&Nested"},
    });
}

TEST(TokenTable, AddListKeepsTheTextAfterTheLastComma) {
    core::TokenTable table;
    EXPECT_EQ(table.AddList("&One,&Two,&Three"), "&Three");
    ASSERT_EQ(table.Count(), 2u);
    EXPECT_EQ(table.Name(0), "&One");
    EXPECT_EQ(table.Name(1), "&Two");
    EXPECT_EQ(table.AddList(",,"), "");  // empty pieces are no tokens
    EXPECT_EQ(table.Count(), 2u);
}

}  // namespace
