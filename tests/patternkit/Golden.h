#pragma once
// Compares generated lines with a hand-written file of tests/golden/. In those files a line that ends
// in "¶" ends there (the blanks before it are part of the line), and a line that is exactly
// "<any comment>" stands for any comment line (indented or not) whose text is free.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

inline std::vector<std::string> ReadGolden(const std::string& name) {
    const char* sourceDir = std::getenv("OSTREL_SOURCE_DIR");
    std::ifstream file(std::string(sourceDir ? sourceDir : ".") + "/tests/golden/" + name);
    EXPECT_TRUE(file.good()) << "missing golden file " << name;
    std::stringstream content;
    content << file.rdbuf();
    std::string text = content.str();
    if (text.ends_with('\n'))
        text.pop_back();
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (line.ends_with("\xC2\xB6"))
            line.resize(line.size() - 2);
        lines.push_back(line);
    }
    if (text.ends_with('\n'))
        lines.emplace_back();
    return lines;
}

inline bool MatchesGoldenLine(const std::string& line, const std::string& expected) {
    if (expected == "<any comment>")
        return line.find('\'') != std::string::npos && line.find_first_not_of(' ') == line.find('\'');
    return line == expected;
}

// Reports the first line that differs, then a difference in length with the first line one side lacks.
inline void ExpectMatchesLines(const std::vector<std::string>& lines,
                               const std::vector<std::string>& expected, const std::string& name) {
    const size_t common = std::min(lines.size(), expected.size());
    for (size_t i = 0; i < common; ++i) {
        if (!MatchesGoldenLine(lines[i], expected[i])) {
            ADD_FAILURE() << name << " line " << i + 1 << " differs\n  generated: [" << lines[i]
                          << "]\n  expected:  [" << expected[i] << "]";
            return;
        }
    }
    if (lines.size() > common)
        ADD_FAILURE() << name << ": " << lines.size() - common << " generated line(s) more, from line "
                      << common + 1 << ": [" << lines[common] << "]";
    else if (expected.size() > common)
        ADD_FAILURE() << name << ": " << expected.size() - common << " expected line(s) missing, from line "
                      << common + 1 << ": [" << expected[common] << "]";
}

inline void ExpectMatchesGolden(const std::vector<std::string>& lines, const std::string& name) {
    ExpectMatchesLines(lines, ReadGolden(name), name);
}

// Code read back from a saved file: the golden's lines as VB's editor lists them, without the blanks at
// their end.
inline void ExpectMatchesGoldenAsListed(const std::vector<std::string>& lines, const std::string& name) {
    std::vector<std::string> expected = ReadGolden(name);
    for (std::string& line : expected)
        line.erase(line.find_last_not_of(' ') + 1);
    ExpectMatchesLines(lines, expected, name);
}

}  // namespace testing_support
