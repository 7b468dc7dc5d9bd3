#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/EditPoints.h"
#include "platform/vb/Error.h"

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
        "    " + Start("not a new block"),
        "    " + End("A - Error Processing"),
        "End Sub",
    };
    const auto blocks = core::ExtractEditPoints(old);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].startLine, "    " + Start("A - Error Processing"));
    EXPECT_EQ(blocks[0].content, (Lines{"        Case 5: Resume Next", "    " + Start("not a new block")}));
    EXPECT_EQ(blocks[0].endLine, "    " + End("A - Error Processing"));
    EXPECT_EQ(core::JoinEditPoints(blocks).size(), 4u);
}

TEST(EditPoints, ABlockWithoutItsEndIsAReadError) {
    for (const Lines& lines : {Lines{Start("A"), "x"}, Lines{"x", Start("A")}}) {
        try {
            core::ExtractEditPoints(lines);
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), 55);
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
