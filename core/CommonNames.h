#pragma once
// The add-in's shared text procedures: the rule for model names, paths and text replacement.

#include <string>

namespace core::Common {

// A valid name is shorter than 31 characters, begins with a letter (or a blank or "_") and holds no
// punctuation; its blanks are then written back as "_". On failure the name is left as it was and
// `message` tells why.
bool ValidateName(std::string& name, std::string& message);

// The trimmed path with the path separator added, unless the trimmed path already ends with one (then the
// path comes back as given) or is empty (then it stays empty).
std::string AddBackslash(const std::string& path);

// Every occurrence of `find`, left to right; inserted text is not searched again, letter case counts, and
// an empty `find` changes nothing.
std::string ReplaceText(const std::string& text, const std::string& find, const std::string& replacement);

}  // namespace core::Common
