#include "platform/ini/ProfileFolder.h"

#include <cstdlib>

namespace ini {

std::filesystem::path UserConfigFolder() {
    if (const char* home = std::getenv("XDG_CONFIG_HOME"); home != nullptr && *home != '\0')
        return home;
    const char* user = std::getenv("HOME");
    return std::filesystem::path(user != nullptr ? user : ".") / ".config";
}

std::filesystem::path ProfileFile(const std::filesystem::path& fileName) {
    return fileName.has_parent_path() ? fileName : UserConfigFolder() / fileName;
}

}  // namespace ini
