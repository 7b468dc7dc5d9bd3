#pragma once
// Where the platform's profile calls look for an INI file named without a folder: in the running user's
// configuration folder, as they look in the system folder on the platform they come from. The IDE's add-in
// list and the setup tool's instructions find "vbaddin.ini" by this one rule.

#include <filesystem>

namespace ini {

// $XDG_CONFIG_HOME when set and not empty, else ~/.config.
std::filesystem::path UserConfigFolder();

// A bare file name ("vbaddin.ini") in UserConfigFolder(); a name with a folder part as it is.
std::filesystem::path ProfileFile(const std::filesystem::path& fileName);

}  // namespace ini
