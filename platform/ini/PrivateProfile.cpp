#include "platform/ini/PrivateProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>

#include "platform/ini/ProfileFolder.h"
#include "platform/ini/ProfileText.h"
#include "platform/vb/Error.h"

namespace ini {
namespace {

namespace fs = std::filesystem;
constexpr std::string_view kSource = "WritePrivateProfileString";

[[noreturn]] void Fail(int32_t number, const fs::path& path) {
    vb::Raise(number, kSource, vb::StandardDescription(number) + ": " + path.string());
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
    if (size < 0)
        Fail(vb::kPathFileAccess, path);
    std::string content(static_cast<size_t>(size), '\0');
    file.seekg(0);
    if (!file.read(content.data(), size))
        Fail(vb::kPathFileAccess, path);
    return content;
}

// A file beside the target that becomes the target on Commit, and is removed otherwise.
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& target) : mTarget(target), mPath(target.string() + ".XXXXXX") {
        std::string pattern = mPath.string();
        mDescriptor = mkstemp(pattern.data());
        if (mDescriptor < 0)
            Fail(errno == ENOENT ? vb::kPathNotFound : vb::kPathFileAccess, target);
        mPath = pattern;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (mDescriptor >= 0)
            close(mDescriptor);
        if (!mCommitted)
            unlink(mPath.c_str());
    }

    void Write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = write(mDescriptor, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                Fail(vb::kPathFileAccess, mTarget);
            bytes.remove_prefix(static_cast<size_t>(written));
        }
    }

    void Commit(mode_t mode) {
        const bool synced = fchmod(mDescriptor, mode) == 0 && fsync(mDescriptor) == 0;
        const bool closed = close(mDescriptor) == 0;
        mDescriptor = -1;
        if (!synced || !closed || rename(mPath.c_str(), mTarget.c_str()) != 0)
            Fail(vb::kPathFileAccess, mTarget);
        mCommitted = true;
        // The rename itself reaches the disk with its folder.
        const int folder = open(mTarget.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const bool folderSynced = folder >= 0 && fsync(folder) == 0;
        if (folder >= 0)
            close(folder);
        if (!folderSynced)
            Fail(vb::kPathFileAccess, mTarget);
    }

  private:
    fs::path mTarget;
    fs::path mPath;
    int mDescriptor = -1;
    bool mCommitted = false;
};

// The user's configuration folder may not exist yet on a new account; made as the XDG rules say, for the
// user alone.
void MakeUserConfigFolder(const fs::path& folder) {
    std::error_code error;
    if (fs::create_directories(folder, error))
        fs::permissions(folder, fs::perms::owner_all, error);
}

// What creating the file directly would have given it. Reading the mask means setting it for a moment, which
// the single-threaded setup tool can afford.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const fs::path& named) {
    const fs::path fileName = ProfileFile(named);
    if (!named.has_parent_path())
        MakeUserConfigFolder(fileName.parent_path());
    std::error_code error;
    const fs::path target = fs::exists(fileName, error) ? fs::canonical(fileName, error) : fileName;
    if (error)
        Fail(vb::kPathFileAccess, fileName);

    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        Fail(vb::kPathFileAccess, fileName);
    // A read-only file stays as it is, though its folder would let the rename replace it.
    if (exists && ((existing.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0))
        Fail(vb::kPermissionDenied, fileName);
    const std::string content =
        WithEntry(exists ? ReadWholeFile(target) : std::string(), section, key, value);

    TemporaryFile temporary(target);
    temporary.Write(content);
    temporary.Commit(exists ? existing.st_mode & 07777 : NewFileMode());
}

}  // namespace ini
