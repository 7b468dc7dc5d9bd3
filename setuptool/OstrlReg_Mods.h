#pragma once
// The setup tool: carries out the instruction file "OSTRREG.INS" in its own folder. Its lines are
// "INI=file;section;key;value" (writes one INI entry) and "DELETE_SHORTCUT=path" (deletes files); every other
// line is skipped. Nothing is shown when all goes well; each instruction that fails is told on standard
// error, naming its line, and the others are still carried out.

#include <filesystem>
#include <iosfwd>
#include <string>

namespace OstrlReg_Mods {

// The program's entry point: carries out the instruction file beside the program. The exit status: 1 when
// an instruction failed, 0 otherwise; never throws.
int Main(std::ostream& err);

// Carries out every line of the file at `path`, read as text with CR LF, LF or CR line ends (a UTF-8 byte
// order mark is skipped); a missing file does nothing. Returns false when the file cannot be read or an
// instruction failed, each told on `err` with the file's line.
bool ReadInstructionFile(const std::filesystem::path& path, std::ostream& err);

// Carries out one "INI" value "file;section;key;value"; any other number of pieces does nothing. A bare file
// name is in the running user's configuration folder (ini::ProfileFile). Raises vb::Error when the entry
// cannot be written: a missing folder, a file that is a folder or that the user may not write (left as it
// is), a section, key or value that could not be read back (NUL, line breaks).
void WriteIniInstruction(const std::string& value);

// Carries out one "DELETE_SHORTCUT" value; a file that is not there is no failure. Raises vb::Error when a
// file cannot be deleted or the path names a folder.
void DeleteShortcutInstruction(const std::string& path);

}  // namespace OstrlReg_Mods
