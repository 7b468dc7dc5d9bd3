#include "platform/ide/IdeErrors.h"

#include <string>

#include "platform/vb/Error.h"

namespace vbide {
namespace {

constexpr size_t kMaxNameLength = 40;

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

void RaiseFileFormat(const std::filesystem::path& file, int32_t line, std::string_view what) {
    throw vb::Error(
        kInvalidFileFormat,
        "Invalid file format: " + file.string() + ", line " + std::to_string(line) + ": " + std::string(what),
        "vbide");
}

void RaiseNameTaken(std::string_view name) {
    throw vb::Error(vb::kDuplicateKey, "Name conflicts with existing object: " + std::string(name), "vbide");
}

bool IsValidName(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameLength || !IsLetter(name.front()))
        return false;
    for (const char c : name) {
        if (!IsLetter(c) && !IsDigit(c) && c != '_')
            return false;
    }
    return true;
}

void CheckName(std::string_view name) {
    if (!IsValidName(name)) {
        throw vb::Error(kInvalidPropertyValue, "Invalid property value: name " + std::string(name), "vbide");
    }
}

}  // namespace vbide
