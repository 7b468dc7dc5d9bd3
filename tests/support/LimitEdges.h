#pragma once
// Generated-looking lines that bring a module to the edge of a limit VB puts on it, for the tests of the
// checks that measure them.

#include <string>
#include <vector>

namespace testing_support {

// Comment lines, none longer than VB reads, that with their CR LF make `bytes` bytes (at least 3).
inline std::vector<std::string> CommentBytes(size_t bytes) {
    std::vector<std::string> lines;
    for (; bytes > 1025; bytes -= 1025)
        lines.push_back("'" + std::string(1022, 'x'));
    lines.push_back("'" + std::string(bytes - 3, 'x'));
    return lines;
}

// The procedure `declaration` ... `end` whose source, line ends included, has `bytes` bytes.
inline std::vector<std::string> ProcedureOfBytes(size_t bytes, const std::string& declaration = "Sub P()",
                                                 const std::string& end = "End Sub") {
    std::vector<std::string> lines = CommentBytes(bytes - declaration.size() - end.size() - 4);
    lines.insert(lines.begin(), declaration);
    lines.push_back(end);
    return lines;
}

// A statement continued `count` times.
inline std::vector<std::string> ContinuedStatement(size_t count) {
    std::vector<std::string> lines(count, "    x = x + 1 _");
    lines.push_back("    + 1");
    return lines;
}

}  // namespace testing_support
