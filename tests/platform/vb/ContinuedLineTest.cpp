#include "platform/vb/ContinuedLine.h"

#include <gtest/gtest.h>

#include "platform/vb/Limits.h"
#include "platform/vb/Text.h"

namespace vb {
namespace {

using Lines = std::vector<std::string>;

std::string Repeated(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

// The statement the physical lines make, read as VB joins them: a continuation's blank and the next
// line's indent are one blank, a literal cut in two is one literal. Comment lines join with a blank.
std::string Joined(const Lines& lines) {
    std::string text = lines.front();
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string next = LTrim(lines[i]);
        if (text.ends_with("\" & _"))
            text.resize(text.size() - 5), text += next.substr(1);
        else if (text.ends_with(" _"))
            text.resize(text.size() - 1), text += next;
        else  // a comment line: its quote starts the comment only on the first
            text += " " + next.substr(text.find('\'') == std::string::npos ? 0 : 1);
    }
    return text;
}

TEST(ContinuedLineTest, EveryLineFitsAndVbJoinsThemIntoTheLine) {
    const std::string kMemoArgument = "\"\" & rsOrderBatch.Fields(\"" + std::string(100, 'f') + "\"), ";
    const struct {
        const char* what;
        std::string line;
        size_t lines;        // the physical lines expected
        std::string ending;  // of each but the last
        std::string start;   // of each but the first
    } cases[] = {
        {"a line at the limit, in letters of two bytes", "    x = \"" + Repeated("\xc3\xa9", 1013) + "\"", 1,
         "", ""},
        {"an argument list, cut after its commas", "        Add " + Repeated(kMemoArgument, 40) + "\"\"", 6,
         "\"), _", "            \"\" & rsOrderBatch"},
        {"a declaration, cut after a comma",
         "Public Sub Add(" + Repeated("Optional NoteVarString As String, ", 60) + "x)", 3, "As String, _",
         "    Optional"},
        {"a long literal, doubled quotes kept whole", "    x = \"" + Repeated("\"\"", 1500) + "\"", 3,
         "\" & _", "        \"\"\""},
        {"a literal of letters of two bytes", "    x = \"" + Repeated("\xc3\xa9", 2000) + "\"", 2, "\" & _",
         "        \"\xc3\xa9"},
        {"a comment", "    '" + Repeated("word ", 500), 3, "word", "    'word"},
        {"code with its comment after", "    x = " + std::string(500, 'a') + " '" + Repeated("word ", 120), 2,
         "aa", "    'word"},
        {"blanks beyond those a line takes", std::string(300, ' ') + "x = " + Repeated("a + ", 300) + "a", 2,
         " _", std::string(256, ' ') + "+"},
    };
    for (const auto& c : cases) {
        const Lines lines = ContinuedLine(c.line);
        ASSERT_EQ(lines.size(), c.lines) << c.what;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_LE(Len(lines[i]), kMaxLineLength) << c.what << " line " << i;
            if (i + 1 < lines.size()) {
                EXPECT_TRUE(lines[i].ends_with(c.ending)) << c.what << ": " << lines[i];
            }
            if (i > 0) {
                EXPECT_TRUE(lines[i].starts_with(c.start)) << c.what << ": " << lines[i];
            }
        }
        EXPECT_EQ(Trim(Joined(lines)), Trim(c.line)) << c.what;
    }
}

}  // namespace
}  // namespace vb
