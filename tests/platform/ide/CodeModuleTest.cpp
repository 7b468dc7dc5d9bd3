#include "platform/ide/CodeModule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vb/Error.h"

namespace vbide {
namespace {

CodeModule ModuleWith(std::string_view text) {
    CodeModule module(std::make_shared<ChangeCounter>());
    module.InsertLines(1, text);
    return module;
}

TEST(CodeModuleTest, InsertsSplitsAndDeletesLines) {
    CodeModule module = ModuleWith("a\r\nb\nc");
    EXPECT_EQ(module.CountOfLines(), 3);
    module.InsertLines(1, "first");
    module.InsertLines(5, "");
    EXPECT_EQ(module.Lines(1, 5), "first\r\na\r\nb\r\nc\r\n");
    module.DeleteLines(2, 2);
    EXPECT_EQ(module.Lines(1, module.CountOfLines()), "first\r\nc\r\n");
    EXPECT_EQ(module.Lines(2, 0), "");
}

TEST(CodeModuleTest, LinesLoseTheBlanksAtTheirEndAsVBsEditorListsThem) {
    const std::vector<std::string> expected = {"    Err.Raise Mandatory_Field + vbObjectError, _",
                                               "  &PropName = \"\"", "", "'a  b", ""};
    const std::string text =
        "    Err.Raise Mandatory_Field + vbObjectError, _ \r\n  &PropName = \"\" \t\r\n   \n'a  b\r\n";
    CodeModule inserted(std::make_shared<ChangeCounter>());
    inserted.InsertLines(1, "kept");
    inserted.InsertLines(1, text);
    inserted.DeleteLines(6);
    CodeModule read(std::make_shared<ChangeCounter>());
    read.SetAllLines(
        {"    Err.Raise Mandatory_Field + vbObjectError, _ ", "  &PropName = \"\" \t", "   ", "'a  b", " "});
    // The engine's way: one line at a time at the end.
    CodeModule appended(std::make_shared<ChangeCounter>());
    for (const char* line :
         {"    Err.Raise Mandatory_Field + vbObjectError, _ ", "  &PropName = \"\" \t", "   ", "'a  b\r"})
        appended.InsertLines(appended.CountOfLines() + 1, line);
    for (const CodeModule* module : {&inserted, &read, &appended})
        EXPECT_EQ(module->AllLines(), expected);
}

TEST(CodeModuleTest, OutOfRangeCallsRaise) {
    CodeModule module = ModuleWith("a\r\nb");
    const struct {
        const char* what;
        std::function<void()> call;
        int32_t number;
    } cases[] = {
        {"insert at 0", [&] { module.InsertLines(0, "x"); }, vb::kSubscriptOutOfRange},
        {"insert past end + 1", [&] { module.InsertLines(4, "x"); }, vb::kSubscriptOutOfRange},
        {"delete past end", [&] { module.DeleteLines(2, 2); }, vb::kSubscriptOutOfRange},
        {"delete negative count", [&] { module.DeleteLines(1, -1); }, vb::kInvalidProcedureCall},
        {"lines past end", [&] { module.Lines(1, 3); }, vb::kSubscriptOutOfRange},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.what;
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), c.number) << c.what;
        }
    }
    EXPECT_EQ(module.CountOfLines(), 2);
}

TEST(CodeModuleTest, FindHonoursRangeCaseAndWholeWords) {
    const CodeModule module =
        ModuleWith("'<<<Start Edit Point: FooBar\r\nDim Foo\r\n  foo = Fooish\r\n'>>>End Edit Point:");
    const struct {
        const char* target;
        int32_t startLine, startColumn;
        bool wholeWord, matchCase;
        bool found;
        int32_t line, column, endColumn;
    } cases[] = {
        {"start edit point: foo", 1, 1, false, false, true, 1, 5, 26},
        {"start edit point: foo", 1, 1, false, true, false, 0, 0, 0},
        {"Foo", 2, 1, false, true, true, 2, 5, 8},
        {"foo", 3, 1, true, false, true, 3, 3, 6},
        {"Fooish", 3, 4, true, true, true, 3, 9, 15},
        {"'>>>End Edit Point:", 2, 1, false, false, true, 4, 1, 20},
        {"FooBar", 2, 1, false, false, false, 0, 0, 0},
        {"Foo", 5, 1, false, false, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        int32_t startLine = c.startLine, startColumn = c.startColumn, endLine = -1, endColumn = -1;
        EXPECT_EQ(module.Find(c.target, startLine, startColumn, endLine, endColumn, c.wholeWord, c.matchCase),
                  c.found)
            << c.target;
        if (!c.found)
            continue;
        EXPECT_EQ(startLine, c.line) << c.target;
        EXPECT_EQ(endLine, c.line) << c.target;
        EXPECT_EQ(startColumn, c.column) << c.target;
        EXPECT_EQ(endColumn, c.endColumn) << c.target;
    }
}

TEST(CodeModuleTest, FindStopsAtTheEndPosition) {
    const CodeModule module = ModuleWith("abc\r\nxyz abc");
    int32_t startLine = 1, startColumn = 2, endLine = 2, endColumn = 5;
    EXPECT_FALSE(module.Find("abc", startLine, startColumn, endLine, endColumn));
    int32_t patternLine = 1, patternColumn = 1, patternEndLine = -1, patternEndColumn = -1;
    EXPECT_THROW(
        module.Find("a*", patternLine, patternColumn, patternEndLine, patternEndColumn, false, false, true),
        vb::Error);
}

TEST(CodeModuleTest, CountsChangesForTheHost) {
    auto changes = std::make_shared<ChangeCounter>();
    CodeModule module(changes);
    module.InsertLines(1, "x");
    module.DeleteLines(1);
    EXPECT_EQ(changes->value, 2U);
}

TEST(CodeModuleTest, ACompactedModuleKeepsItsLinesAndTakesMore) {
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"one empty line", ""},
        {"a few lines", "a\r\nbb\r\nccc"},
        {"past the first block", std::string(5000, 'x') + "\r\ny"},
    };
    for (const auto& c : cases) {
        CodeModule module = ModuleWith(c.text);
        const std::string before = module.Lines(1, module.CountOfLines());
        module.Compact();
        EXPECT_EQ(module.Lines(1, module.CountOfLines()), before) << c.name;
        module.Compact();
        module.InsertLines(module.CountOfLines() + 1, "after");
        EXPECT_EQ(module.Lines(1, module.CountOfLines()), before + "\r\nafter") << c.name;
    }
    CodeModule empty(std::make_shared<ChangeCounter>());
    empty.Compact();
    EXPECT_EQ(empty.CountOfLines(), 0);
    empty.InsertLines(1, "only");
    EXPECT_EQ(empty.Lines(1, 1), "only");
}

}  // namespace
}  // namespace vbide
