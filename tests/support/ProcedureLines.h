#pragma once
// Cuts one procedure (or any run of lines) out of generated lines, for a test to compare on its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

using Lines = std::vector<std::string>;

// From the first line that starts with `first` (a whole line or the start of a signature) up to the first
// line equal to `last` after it, both included; with `last` empty, up to the end. Nothing, and a failure
// of the test, when either line is missing.
inline Lines Slice(const Lines& lines, std::string_view first, std::string_view last) {
    const auto begin = std::find_if(lines.begin(), lines.end(),
                                    [&](const std::string& line) { return line.starts_with(first); });
    if (begin == lines.end()) {
        ADD_FAILURE() << "no line " << first;
        return {};
    }
    if (last.empty())
        return Lines(begin, lines.end());
    const auto end = std::find(begin + 1, lines.end(), last);
    if (end == lines.end()) {
        ADD_FAILURE() << "no line " << last << " behind " << first;
        return {};
    }
    return Lines(begin, end + 1);
}

// The procedure whose signature starts with `signature`, up to its closing line.
inline Lines Procedure(const Lines& lines, std::string_view signature) {
    const auto begin = std::find_if(lines.begin(), lines.end(),
                                    [&](const std::string& line) { return line.starts_with(signature); });
    const auto end = std::find_if(begin, lines.end(), [](const std::string& line) {
        const std::string_view code =
            std::string_view(line).substr(std::min(line.find_first_not_of(' '), line.size()));
        return code == "End Sub" || code == "End Function" || code == "End Property";
    });
    if (end == lines.end()) {
        ADD_FAILURE() << "no procedure " << signature;
        return {};
    }
    return Lines(begin, end + 1);
}

}  // namespace testing_support
