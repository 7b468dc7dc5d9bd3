#include "core/AddInFolders.h"

#include <dlfcn.h>

#include <cstdlib>

namespace core {

std::filesystem::path AddInFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&AddInFolder), &info) == 0 || info.dli_fname == nullptr) {
        return std::filesystem::current_path();
    }
    return std::filesystem::absolute(info.dli_fname).parent_path();
}

std::filesystem::path UserDataFolder() {
    if (const char* home = std::getenv("XDG_DATA_HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / "ostrel";
    }
    const char* user = std::getenv("HOME");
    return std::filesystem::path(user != nullptr ? user : ".") / ".local" / "share" / "ostrel";
}

}  // namespace core
