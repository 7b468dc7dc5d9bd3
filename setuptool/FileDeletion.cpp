#include "setuptool/FileDeletion.h"

namespace OstrlReg_Mods {
namespace {

namespace fs = std::filesystem;

bool IsDeletable(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    return !error && (fs::is_regular_file(status) || fs::is_symlink(status));
}

void DeleteIfFile(const fs::path& path) {
    std::error_code ignored;
    if (IsDeletable(path))
        fs::remove(path, ignored);
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
        DeleteIfFile(path);
        return;
    }
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (MatchesWildcard(entry->path().filename().string(), pattern))
            DeleteIfFile(entry->path());
    }
}

}  // namespace OstrlReg_Mods
