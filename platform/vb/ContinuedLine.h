#pragma once
// A line of code longer than VB reads, written as the physical lines VB joins into it. The engine writes
// every generated line through it; a pattern asks it how many continuations a line it builds would take.
//
// Lengths count characters: each is one byte of the Windows-1252 files VB loads.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vb {

// The most blanks a line written continued keeps before its text: a deeper indent is cut, so that its code
// keeps room on each line.
constexpr int32_t kMaxIndent = 256;

// `line` as physical lines: the line itself when it has at most kMaxLineLength characters. Otherwise its
// code is continued with " _" at blanks between words (after a comma where one is near), its continuations
// indented four more; a string literal too long for the room left is cut into literals joined by "& _";
// a comment that does not fit goes on comment lines of its own. No line then passes kMaxLineLength unless
// one word of the code is longer than a line. Linear in the line's length.
std::vector<std::string> ContinuedLine(std::string_view line);

}  // namespace vb
