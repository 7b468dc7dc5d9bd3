#pragma once
// The folders the add-in works in.

#include <filesystem>

namespace core {

// The folder of the loaded library that holds the add-in (App.Path).
std::filesystem::path AddInFolder();

// The per-user data folder ("<XDG data home>/ostrel"), for what the add-in writes beside itself: the add-in's
// own folder may be read-only once installed. Not created here.
std::filesystem::path UserDataFolder();

// The per-user temporary folder ("<temp>/ostrel-<uid>"), for scratch files that must not land in a shared
// folder or in the add-in's own. Created private to the user; 75 when the path is taken by anything else
// (a link, a file, another user's folder).
std::filesystem::path UserTempFolder();

}  // namespace core
