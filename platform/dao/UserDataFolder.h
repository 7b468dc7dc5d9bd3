#pragma once
// The per-user folder for the system's own database files: the XDG data home ($XDG_DATA_HOME, or
// ~/.local/share) followed by "ostrel". Installed library folders are read-only, so files that the
// system writes beside itself live here. The folder is not created.

#include <filesystem>

namespace dao {

std::filesystem::path UserDataFolder();

}  // namespace dao
