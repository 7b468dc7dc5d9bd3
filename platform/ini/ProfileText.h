#pragma once
// The text of an INI file with one entry written into it, as WritePrivateProfileString writes it.

#include <string>
#include <string_view>

namespace ini {

// Returns `content` with `key`=`value` in `section`. Section and key (blanks around them ignored) are found
// ignoring letter case: the first matching key keeps its spelling and gets the new value; a missing key goes
// after the section's last entry, a missing section to the end. Every other line stays byte for byte, and new
// lines take the line end the text already uses (LF for a text without one).
// Raises error 5 for a section or key that is empty or could not be read back (line breaks, "]" in a section,
// "=" in a key or a key beginning with "[" or ";") and for a value with a line break; NUL is refused
// anywhere.
std::string WithEntry(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value);

}  // namespace ini
