#pragma once
// A folder's files as the tests compare them before and after a run: a refusal must leave them as they were.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace testing_support {

// relative path -> contents ("/" for a folder, "-> target" for a link, "|" for anything else)
using FileTree = std::map<std::string, std::string>;

// The whole file, or "" when it is missing.
inline std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline FileTree TreeOf(const std::filesystem::path& folder) {
    FileTree tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const auto status = entry.symlink_status();
        std::string& seen = tree[entry.path().lexically_relative(folder).string()];  // links not followed
        if (std::filesystem::is_symlink(status))
            seen = "-> " + std::filesystem::read_symlink(entry.path()).string();
        else if (std::filesystem::is_regular_file(status))
            seen = Contents(entry.path());
        else
            seen = std::filesystem::is_directory(status) ? "/" : "|";
    }
    return tree;
}

}  // namespace testing_support
