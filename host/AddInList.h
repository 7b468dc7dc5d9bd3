#pragma once
// The list of add-ins the IDE knows: "vbaddin.ini" in the user's configuration folder, section
// "[Add-Ins32]", one key per ProgID with the value "1" (connected at start-up) or "0" (listed only). The
// setup tool writes it; the IDE reads it and its add-in manager writes "Load on Startup" back.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace host {

inline constexpr std::string_view kAddInListName = "vbaddin.ini";
inline constexpr std::string_view kAddInSection = "Add-Ins32";

struct AddInListEntry {
    std::string progId;
    bool loadOnStartup = false;
};

// "vbaddin.ini" in the running user's configuration folder, where the setup tool's bare "vbaddin.ini" goes
// (ini::ProfileFile).
std::filesystem::path AddInListFile();

// The entries of the section in file order, a ProgID listed twice once (its first value, as the INI
// writer updates the first). A missing file is an empty list.
std::vector<AddInListEntry> ReadAddInList(const std::filesystem::path& file);

// Writes the entry's value, creating the file (not its folder) when missing; raises as the INI writer does.
void WriteLoadOnStartup(const std::filesystem::path& file, std::string_view progId, bool loadOnStartup);

}  // namespace host
