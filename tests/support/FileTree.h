#pragma once
// A folder's files as the tests compare them before and after a run: a refusal must leave them as they were.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace testing_support {

// relative path -> contents ("/" for a folder)
using FileTree = std::map<std::string, std::string>;

// The whole file, or "" when it is missing.
inline std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline FileTree TreeOf(const std::filesystem::path& folder) {
    FileTree tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        tree[std::filesystem::relative(entry.path(), folder).string()] =
            entry.is_regular_file() ? Contents(entry.path()) : "/";
    }
    return tree;
}

}  // namespace testing_support
