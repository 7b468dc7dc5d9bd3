#include "core/AddInFolders.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/ide/FileSystemError.h"

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

// The temporary folder that the environment names, as the standard library looks for it.
std::filesystem::path NamedTempFolder() {
    for (const char* variable : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"}) {
        if (const char* value = std::getenv(variable))
            return value;
    }
    return "/tmp";
}

}  // namespace

std::filesystem::path AddInFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&AddInFolder), &info) == 0 || info.dli_fname == nullptr) {
        return std::filesystem::current_path();
    }
    return std::filesystem::absolute(info.dli_fname).parent_path();
}

UnusableTempFolder::UnusableTempFolder(const std::filesystem::path& folder, const std::string& reason)
    : vb::Error(vb::kPathFileAccess,
                "The temporary folder " + folder.string() + " cannot be used: " + reason +
                    ". Code between edit points cannot be kept without it; mend it, or point TMPDIR at "
                    "another folder, then generate again.",
                "UserTempFolder") {}

std::filesystem::path UserTempFolder() {
    std::filesystem::path temp;
    try {
        temp = std::filesystem::temp_directory_path();
    } catch (const std::filesystem::filesystem_error& error) {
        throw UnusableTempFolder(NamedTempFolder(), error.code().message());
    }
    const uid_t user = ::getuid();
    const std::filesystem::path folder = temp / ("ostrel-" + std::to_string(user));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        throw UnusableTempFolder(folder, vbide::SystemReason(errno));
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0)
        throw UnusableTempFolder(folder, vbide::SystemReason(errno));
    if (!S_ISDIR(status.st_mode))
        throw UnusableTempFolder(folder, "it is not a folder");
    if (status.st_uid != user)
        throw UnusableTempFolder(folder,
                                 "it belongs to another user (user " + std::to_string(status.st_uid) + ")");
    if ((status.st_mode & 0077) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(status.st_mode & 07777));
        throw UnusableTempFolder(folder,
                                 std::string("others may use it (its mode is ") + mode + ", not 0700)");
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
        throw UnusableTempFolder(folder, vbide::SystemReason(errno));
    mPath = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
}

}  // namespace core
