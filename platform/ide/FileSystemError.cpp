#include "platform/ide/FileSystemError.h"

#include <cerrno>
#include <cstring>
#include <string_view>

namespace vbide {
namespace {

struct Told {
    int systemError;
    std::string_view reason;
    std::string_view remedy;
};

constexpr Told kTold[] = {
    {ENOSPC, "no space is left on the device", "Free some space on it, then save again."},
    {EDQUOT, "the disk quota is exceeded",
     "Free some space within the quota, or have it raised, then save again."},
    {EIO, "the device reported an input/output error", "The disk may be failing: check it before going on."},
    {EROFS, "the file system is read-only", "Mount it writable, or save into another folder."},
    {EACCES, "permission is denied", "Get the rights to it, or use another folder."},
    {EPERM, "the operation is not permitted", "Get the rights to it, or use another folder."},
};

const Told* ToldOf(int systemError) {
    for (const Told& told : kTold) {
        if (told.systemError == systemError)
            return &told;
    }
    return nullptr;
}

}  // namespace

std::string SystemReason(int systemError) {
    const Told* told = ToldOf(systemError);
    return told != nullptr ? std::string(told->reason) : std::string(std::strerror(systemError));
}

namespace {

std::string DescriptionOf(int32_t number, const std::filesystem::path& place, int systemError) {
    const Told* told = ToldOf(systemError);
    return vb::StandardDescription(number) + ": " + place.string() + ": " + SystemReason(systemError) + ". " +
           std::string(told != nullptr ? told->remedy : "Mend that, then try again.");
}

}  // namespace

FileSystemError::FileSystemError(int32_t number, const std::filesystem::path& place, int systemError)
    : vb::Error(number, DescriptionOf(number, place, systemError), "vbide"), mSystemError(systemError) {}

}  // namespace vbide
