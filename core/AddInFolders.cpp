#include "core/AddInFolders.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/vb/Error.h"

namespace core {

std::filesystem::path AddInFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&AddInFolder), &info) == 0 || info.dli_fname == nullptr) {
        return std::filesystem::current_path();
    }
    return std::filesystem::absolute(info.dli_fname).parent_path();
}

std::filesystem::path UserTempFolder() {
    const uid_t user = ::getuid();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("ostrel-" + std::to_string(user));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        vb::Raise(vb::kPathFileAccess, "UserTempFolder");
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != user ||
        (status.st_mode & 0077) != 0) {
        vb::Raise(vb::kPathFileAccess, "UserTempFolder");
    }
    return folder;
}

}  // namespace core
