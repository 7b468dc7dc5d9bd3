#include "platform/ide/IdeErrors.h"

#include <string>

#include "platform/vb/Error.h"
#include "platform/vb/Limits.h"
#include "platform/vb/Text.h"

namespace vbide {

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
    return vb::Len(name) <= vb::kMaxNameLength && vb::IsIdentifier(name);
}

void CheckName(std::string_view name) {
    if (!IsValidName(name)) {
        throw vb::Error(kInvalidPropertyValue, "Invalid property value: name " + std::string(name), "vbide");
    }
}

}  // namespace vbide
