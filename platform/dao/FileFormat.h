#pragma once
// Which engine reads a file, told by its first bytes.

#include <filesystem>

namespace dao {

enum class FileFormat { Missing, Sqlite, Access, Unknown };

// An empty file counts as SQLite (SQLite takes it as an empty database).
FileFormat DetectFileFormat(const std::filesystem::path& file);

// Raises 3024 naming the file.
[[noreturn]] void RaiseFileNotFound(const std::filesystem::path& file, const char* source);

}  // namespace dao
