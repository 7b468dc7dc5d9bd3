#pragma once
// The setup tool: carries out the instruction file "OSTRREG.INS" in its own folder. Its lines are
// "INI=file;section;key;value" (writes one INI entry) and "DELETE_SHORTCUT=path" (deletes files); every other
// line is skipped. Nothing is ever shown.

#include <filesystem>
#include <string>

namespace OstrlReg_Mods {

// The program's entry point: carries out the instruction file beside the program and ends; never throws.
void Main();

// Carries out every line of the file at `path`; a missing or unreadable file does nothing. An error on a
// line (other than of the INI write or the deletion, which are ignored) stops at that line and is raised.
void ReadInstructionFile(const std::filesystem::path& path);

// Carries out one "INI" value "file;section;key;value"; any other number of pieces does nothing.
void WriteIniInstruction(const std::string& value);

// Carries out one "DELETE_SHORTCUT" value.
void DeleteShortcutInstruction(const std::string& path);

}  // namespace OstrlReg_Mods
