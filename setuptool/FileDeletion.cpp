#include "setuptool/FileDeletion.h"

#include "platform/vb/Error.h"

namespace OstrlReg_Mods {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const fs::path& path) {
    vb::Raise(vb::kPathFileAccess, "DeleteShortcutInstruction",
              vb::StandardDescription(vb::kPathFileAccess) + ": " + path.string());
}

// Deletes the file or link at `path`; a path where nothing is, is done. Anything else there is left alone,
// and is a failure when the path was named rather than matched.
void DeleteFile(const fs::path& path, bool named) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found)
        return;
    if (error || (!fs::is_regular_file(status) && !fs::is_symlink(status))) {
        if (named)
            Fail(path);
        return;
    }
    if (!fs::remove(path, error) && error)
        Fail(path);
}

}  // namespace

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
    size_t n = 0;
    size_t p = 0;
    size_t starAt = std::string_view::npos;
    size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

void DeleteMatchingFiles(const fs::path& path) {
    const std::string pattern = path.filename().string();
    if (pattern.find_first_of("*?") == std::string::npos) {
        DeleteFile(path, true);
        return;
    }
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (MatchesWildcard(entry->path().filename().string(), pattern))
            DeleteFile(entry->path(), false);
    }
}

}  // namespace OstrlReg_Mods
