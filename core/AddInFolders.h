#pragma once
// The folder the add-in library was loaded from.

#include <filesystem>

namespace core {

// The folder of the loaded library that holds the add-in (App.Path).
std::filesystem::path AddInFolder();

}  // namespace core
