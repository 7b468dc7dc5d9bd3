#pragma once
// The platform's INI-file writer, WritePrivateProfileString, in its own argument order.

#include <filesystem>
#include <string_view>

namespace ini {

// Writes `key`=`value` into `section` of `fileName` (the text as ini::WithEntry makes it), creating the file
// when it is missing but not its folder. A bare file name is in the user's configuration folder
// (ini::ProfileFile), which is created when missing. The file is replaced through a temporary file in its
// folder, so a failure leaves it as it was; a symbolic link stays a link to the file it names, and the file
// keeps its permissions; a file the user may not write (read-only) is left alone with error 70. The file and
// then its folder are flushed to disk. Raises error 5 for an entry that cannot be written (see WithEntry), 76
// for a missing folder, 75 for any other failure to read or write.
void WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::filesystem::path& fileName);

}  // namespace ini
