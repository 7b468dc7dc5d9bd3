#pragma once
// Error numbers the IDE raises beyond the runtime's own, and the checks that raise them.

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace vbide {

constexpr int32_t kInvalidFileFormat = 321;
constexpr int32_t kInvalidPropertyValue = 380;
constexpr int32_t kPropertyReadOnly = 383;

// 321, naming the file and the line (counted from 1) where reading stopped.
[[noreturn]] void RaiseFileFormat(const std::filesystem::path& file, int32_t line, std::string_view what);

// 457 for a name that its collection already holds.
[[noreturn]] void RaiseNameTaken(std::string_view name);

// A VB identifier (letters ASCII or Latin-1) of at most vb::kMaxNameLength characters.
bool IsValidName(std::string_view name);
// 380 unless IsValidName.
void CheckName(std::string_view name);

}  // namespace vbide
