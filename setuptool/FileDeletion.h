#pragma once
// Deleting files by a name with wildcards, as the runtime's Kill statement does.

#include <filesystem>
#include <string_view>

namespace OstrlReg_Mods {

// Whether `name` matches `pattern`, where "*" stands for any run of characters and "?" for one byte.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

// Deletes the files in the folder of `path` whose names match its last part. Only files and symbolic links
// go: folders are never deleted or entered. Wildcards in the folder part are taken literally. Files that are
// not there are no failure; a file that cannot be deleted, or a path without wildcards that names a folder,
// raises 75.
void DeleteMatchingFiles(const std::filesystem::path& path);

}  // namespace OstrlReg_Mods
