#pragma once
// Compares generated lines with a hand-written file of tests/golden/. In those files a line that ends
// in "¶" ends there (the blanks before it are part of the line), and a line that is exactly
// "<any comment>" stands for any comment line (indented or not) whose text is free.

#include <gtest/gtest.h>

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

inline void ExpectMatchesLines(const std::vector<std::string>& lines,
                               const std::vector<std::string>& expected, const std::string& name) {
    ASSERT_EQ(lines.size(), expected.size()) << name;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (expected[i] == "<any comment>")
            EXPECT_EQ(lines[i].find_first_not_of(' '), lines[i].find('\''))
                << name << " line " << i + 1 << ": " << lines[i];
        else
            EXPECT_EQ(lines[i], expected[i]) << name << " line " << i + 1;
    }
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
