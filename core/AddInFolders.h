#pragma once
// The folder the add-in library was loaded from.

#include <filesystem>

namespace core {

// The folder of the loaded library that holds the add-in (App.Path).
std::filesystem::path AddInFolder();

// The per-user temporary folder ("<temp>/ostrel-<uid>"), for scratch files that must not land in a shared
// folder or in the add-in's own. Created private to the user; 75 when the path is taken by anything else
// (a link, a file, another user's folder).
std::filesystem::path UserTempFolder();

}  // namespace core
