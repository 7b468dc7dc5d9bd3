#include "platform/dao/UserDataFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace dao {

namespace {

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return std::filesystem::current_path();
}

}  // namespace

std::filesystem::path UserDataFolder() {
    // The XDG rules ignore a relative data home.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const std::filesystem::path base = dataHome != nullptr && std::filesystem::path(dataHome).is_absolute()
                                           ? std::filesystem::path(dataHome)
                                           : HomeFolder() / ".local" / "share";
    return base / "ostrel";
}

}  // namespace dao
