#include "core/AddInFolders.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/vb/Error.h"

namespace core {
namespace {

constexpr std::string_view kRunPrefix = "run-";

// A run folder whose process is gone: "run-<pid>-..." with no process <pid>.
bool IsLeftOver(const std::string& name) {
    if (!name.starts_with(kRunPrefix))
        return false;
    char* end = nullptr;
    const long pid = std::strtol(name.c_str() + kRunPrefix.size(), &end, 10);
    if (pid <= 0 || *end != '-' || pid == ::getpid())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

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

ScratchFolder::ScratchFolder() {
    const std::filesystem::path folder = UserTempFolder();
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        if (IsLeftOver(entry.path().filename().string()))
            std::filesystem::remove_all(entry.path(), ignored);
    }
    std::string pattern =
        (folder / (std::string(kRunPrefix) + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        vb::Raise(vb::kPathFileAccess, "ScratchFolder");
    mPath = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
}

}  // namespace core
