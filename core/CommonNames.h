#pragma once
// The add-in's shared text procedures: the rule for model names, paths and text replacement.

#include <string>
#include <string_view>

namespace core::Common {

// A valid name is shorter than 31 characters, begins with a letter (or a blank or "_") and holds no
// punctuation; its blanks are then written back as "_". On failure the name is left as it was and
// `message` tells why.
bool ValidateName(std::string& name, std::string& message);

// True for a word VB reserves (letter case ignored): it cannot name a class, variable or member.
bool IsVbKeyword(std::string_view name);

// Why `name` cannot become a VB name, and with it a file or folder name, or empty when it can: first
// `ValidateName`'s message, when it refuses the name; then the name as given (not as ValidateName would
// rewrite it, so a blank is refused too) must start with a letter and hold only letters (ASCII or
// Latin-1), digits and "_"; and it must be no reserved word.
std::string VbNameFault(const std::string& name);

// The trimmed path with the path separator added, unless the trimmed path already ends with one (then the
// path comes back as given) or is empty (then it stays empty).
std::string AddBackslash(const std::string& path);

// Every occurrence of `find`, left to right; inserted text is not searched again, letter case counts, and
// an empty `find` changes nothing.
std::string ReplaceText(const std::string& text, const std::string& find, const std::string& replacement);

}  // namespace core::Common
