#pragma once
// The type libraries this IDE can refer a project to: what the References dialog would list, with the
// values a project file writes for each ("*\G{guid}#major.minor#lcid#path#description").

#include <cstdint>
#include <span>
#include <string_view>

namespace vbide {

struct KnownLibrary {
    std::string_view name;  // the library's name, as code qualifies its types: "ADODB" in ADODB.Connection
    std::string_view guid;  // "{00000200-0000-0010-8000-00AA006D2EA4}"
    int16_t major;
    int16_t minor;
    std::string_view path;  // where the library's file lies on the developer's machine
    std::string_view description;
    std::span<const std::string_view> classes;  // classes that code names without the library's name
};

std::span<const KnownLibrary> KnownLibraries();
// By name or by GUID, letter case ignored; null for a library this IDE does not know.
const KnownLibrary* KnownLibraryNamed(std::string_view name);
const KnownLibrary* KnownLibraryWithGuid(std::string_view guid);

}  // namespace vbide
