#pragma once
// VB's string functions on UTF-8 text. Positions and lengths count characters, not bytes, and start at 1.

#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

int32_t Len(std::string_view text);
std::string Left(std::string_view text, int32_t length);
std::string Right(std::string_view text, int32_t length);
// Mid without a length runs to the end of the text.
std::string Mid(std::string_view text, int32_t start, int32_t length = -1);

// Remove blanks (only the blank character, as VB does).
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
std::string Space(int32_t count);

enum class Compare { Binary, Text };

// The position of `find` in `text` at or after character `start`, or 0 (an empty `text` gives 0, then an
// empty `find` gives `start`).
int32_t InStr(int32_t start, std::string_view text, std::string_view find, Compare compare = Compare::Binary);
inline int32_t InStr(std::string_view text, std::string_view find, Compare compare = Compare::Binary) {
    return InStr(1, text, find, compare);
}

// Every occurrence of `find`, left to right and not overlapping; an empty `find` changes nothing.
std::string Replace(std::string_view text, std::string_view find, std::string_view replacement);

// Letter case folded the way text comparison ignores it (ASCII and Latin-1 letters).
std::string FoldCase(std::string_view text);
bool TextEquals(std::string_view a, std::string_view b);

// True when every byte is below 0x80 (the text is the same in UTF-8, Latin-1 and Windows-1252).
bool IsAscii(std::string_view text);

// A control character: below the blank, or DEL.
bool IsControlCharacter(char c);

// A letter of a VB name: ASCII or Latin-1, given as its Windows-1252 byte.
bool IsNameLetter(unsigned char byte);
// A letter first, then letters, digits or "_" (UTF-8 text; a letter outside Latin-1 does not count).
bool IsIdentifier(std::string_view text);

// The Windows-1252 code page of files the VB IDE writes.
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view bytes);
// The first character of the UTF-8 text that Windows-1252 has no byte for (written as "?" in a file), as
// UTF-8; empty when the code page holds every character.
std::string FirstOutsideWindows1252(std::string_view utf8);

}  // namespace vb
