#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/EditPoints.h"

namespace {

using Lines = std::vector<std::string>;

std::string Start(const std::string& name) {
    return "'<<<Start Edit Point: " + name;
}
std::string End(const std::string& name) {
    return "'>>>End Edit Point: " + name;
}

TEST(EditPoints, ExtractKeepsOnlyBlocksWithContent) {
    const Lines old = {
        "Attribute VB_Name = \"Customer\"",
        Start("Empty"),
        End("Empty"),
        "Public Sub A()",
        "    " + Start("A - Error Processing"),
        "        Case 5: Resume Next",
        "    " + End("A - Error Processing"),
        "End Sub",
    };
    const auto blocks = core::ExtractEditPoints(old);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].startLine, "    " + Start("A - Error Processing"));
    EXPECT_EQ(blocks[0].content, Lines{"        Case 5: Resume Next"});
    EXPECT_EQ(blocks[0].endLine, "    " + End("A - Error Processing"));
    EXPECT_EQ(core::JoinEditPoints(blocks).size(), 3u);
}

TEST(EditPoints, AMarkerIsAWholeLine) {
    // Lines that merely hold a marker's words are the developer's code, wherever the words stand.
    const Lines content = {
        "    x = \"'>>>End Edit Point: A\"",
        "    Debug.Print 1 '>>>End Edit Point: A",
        "    ' note: '<<<Start Edit Point: B",
        "    y = 2: '<<<Start Edit Point: B",
        "\t'kept after a tab",
    };
    Lines old = {"\t" + Start("A")};
    old.insert(old.end(), content.begin(), content.end());
    old.push_back(" \t " + End("A"));
    const auto blocks = core::ExtractEditPoints(old);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].content, content);

    const Lines regenerated = {Start("A"), "generated", End("A")};
    Lines expected = {Start("A")};
    expected.insert(expected.end(), content.begin(), content.end());
    expected.push_back(End("A"));
    EXPECT_EQ(core::RestoreEditPoints(regenerated, blocks).lines, expected);
    for (const char* text :
         {"x = 1 '<<<Start Edit Point: A", "'<<<Start Edit Point", "<<<Start Edit Point: A"}) {
        EXPECT_FALSE(core::IsStartMarker(text)) << text;
    }
    EXPECT_TRUE(core::IsStartMarker("  \t'<<<Start Edit Point:"));
}

TEST(EditPoints, MarkersThatDoNotPairUpAreRefusedWithTheirLineAndName) {
    const struct {
        Lines lines;
        int32_t line;
        const char* editPoint;
        const char* says;
    } cases[] = {
        {{Start("A"), "x"}, 1, "A", "has no end marker"},
        {{"x", Start("A")}, 2, "A", "has no end marker"},
        {{"x", Start("A"), End("A"), Start("B")}, 4, "B", "has no end marker"},
        // An end deleted: the next block's start comes first.
        {{Start("Name"), "mine", "Property Get Name()", Start("Other"), "o", End("Other")},
         1,
         "Name",
         "has no end marker"},
        // A start deleted: an end with nothing open.
        {{Start("A"), End("A"), "mine", "   " + End("B  ")}, 4, "B", "has no start marker"},
        {{End("")}, 1, "", "has no start marker"},
    };
    for (const auto& c : cases) {
        try {
            core::ExtractEditPoints(c.lines);
            ADD_FAILURE() << "no error at line " << c.line;
        } catch (const core::BrokenEditPoint& broken) {
            EXPECT_EQ(broken.Line(), c.line);
            EXPECT_EQ(broken.EditPoint(), c.editPoint);
            EXPECT_NE(std::string(broken.what()).find(c.says), std::string::npos) << broken.what();
        }
    }
}

TEST(EditPoints, RestoreMatchesWholeStartLines) {
    const struct {
        const char* name;
        Lines old;
        Lines regenerated;
        Lines expected;
        size_t unrestored;
    } cases[] = {
        {"content replaces the generated lines",
         {Start("Additional Functions and/or Subs"), "Sub Mine()", "End Sub",
          End("Additional Functions and/or Subs")},
         {"Option Explicit", Start("Additional Functions and/or Subs"), "'generated",
          End("Additional Functions and/or Subs"), "'tail"},
         {"Option Explicit", Start("Additional Functions and/or Subs"), "Sub Mine()", "End Sub",
          End("Additional Functions and/or Subs"), "'tail"},
         0},
        {"names that are prefixes of each other",
         {Start("Property Let -  12"), "twelve", End("Property Let -  12"), Start("Property Let -  1"), "one",
          End("Property Let -  1")},
         {Start("Property Let -  1"), End("Property Let -  1"), Start("Property Let -  12"),
          End("Property Let -  12")},
         {Start("Property Let -  1"), "one", End("Property Let -  1"), Start("Property Let -  12"), "twelve",
          End("Property Let -  12")},
         0},
        {"repeated names go to markers in order",
         {Start("Twice"), "first", End("Twice"), Start("Twice"), "second", End("Twice"), Start("Twice"),
          "third", End("Twice")},
         {Start("Twice"), End("Twice"), "x", Start("Twice"), "generated", End("Twice")},
         {Start("Twice"), "first", End("Twice"), "x", Start("Twice"), "second", End("Twice")},
         1},
        {"letter case and indentation of the start line do not matter",
         {"        " + Start("READ - Error Processing"), "            Case 3",
          "        " + End("READ - Error Processing")},
         {"    " + Start("Read - Error Processing"), "    " + End("Read - Error Processing")},
         {"    " + Start("Read - Error Processing"), "            Case 3",
          "    " + End("Read - Error Processing")},
         0},
        {"a marker that is gone leaves its block unrestored",
         {Start("Old"), "kept", End("Old")},
         {Start("New"), End("New")},
         {Start("New"), End("New")},
         1},
        {"a start with no end keeps its generated lines",
         {Start("A"), "mine", End("A"), Start("B"), "b", End("B")},
         {Start("A"), "generated", Start("B"), "gen b", End("B")},
         {Start("A"), "mine", "generated", Start("B"), "b", End("B")},
         0},
        {"text typed after an end marker stays on its line",
         {Start("A"), "mine", "  " + End("A") + " ' my note"},
         {Start("A"), "generated", End("A")},
         {Start("A"), "mine", "  " + End("A") + " ' my note"},
         0},
        {"text after the nameless end of an empty block stays, the generated lines too",
         {Start("Property Let -  2"), "'>>>End Edit Point:' my note"},
         {Start("Property Let -  2"), "generated", "'>>>End Edit Point:"},
         {Start("Property Let -  2"), "generated", "'>>>End Edit Point:' my note"},
         0},
        {"an end that differs only in case and blanks is written anew",
         {Start("A"), "mine", "    '>>>End Edit Point:  a"},
         {Start("A"), End("A")},
         {Start("A"), "mine", End("A")},
         0},
        {"an empty block whose marker is gone leaves nothing behind",
         {Start("Old"), End("Old note")},
         {Start("New"), End("New")},
         {Start("New"), End("New")},
         0},
        {"a name that only begins another does not match it",
         {Start("Foo"), "mine", End("Foo")},
         {Start("FooBar"), End("FooBar")},
         {Start("FooBar"), End("FooBar")},
         1},
    };
    for (const auto& c : cases) {
        const auto restored = core::RestoreEditPoints(c.regenerated, core::ExtractEditPoints(c.old));
        EXPECT_EQ(restored.lines, c.expected) << c.name;
        EXPECT_EQ(restored.unrestored.size(), c.unrestored) << c.name;
    }
}

TEST(EditPoints, NoDeveloperLineIsLost) {
    const Lines old = {Start("A"), "a1",        "a2",       End("A"), Start("Gone"),
                       "g",        End("Gone"), Start("A"), "a3",     End("A")};
    const Lines regenerated = {Start("A"), "gen", End("A")};
    const auto restored = core::RestoreEditPoints(regenerated, core::ExtractEditPoints(old));
    Lines all = restored.lines;
    const Lines rest = core::JoinEditPoints(restored.unrestored);
    all.insert(all.end(), rest.begin(), rest.end());
    for (const char* line : {"a1", "a2", "g", "a3"}) {
        EXPECT_EQ(std::count(all.begin(), all.end(), line), 1) << line;
    }
}

}  // namespace
