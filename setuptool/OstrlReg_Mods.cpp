#include "setuptool/OstrlReg_Mods.h"

#include <fstream>
#include <vector>

#include "platform/ini/PrivateProfile.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"
#include "setuptool/FileDeletion.h"
#include "setuptool/SplitString.h"

namespace OstrlReg_Mods {
namespace {

constexpr const char* kInstructionFileName = "OSTRREG.INS";

std::filesystem::path ProgramFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// Files written on Windows end their lines with CR LF.
std::string WithoutCarriageReturn(std::string line) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

}  // namespace

void Main() {
    try {
        ReadInstructionFile(ProgramFolder() / kInstructionFileName);
    } catch (...) {
        // The tool shows nothing; what was done before the error stays done.
    }
}

void ReadInstructionFile(const std::filesystem::path& path) {
    std::ifstream InstructionFile(path, std::ios::binary);
    std::vector<std::string> parts;
    for (std::string line; std::getline(InstructionFile, line);) {
        if (SplitString(parts, vb::Trim(WithoutCarriageReturn(std::move(line))), "=") != 2)
            continue;
        if (parts[0] == "INI") {
            WriteIniInstruction(parts[1]);
        } else if (parts[0] == "DELETE_SHORTCUT") {
            DeleteShortcutInstruction(parts[1]);
        }
    }
}

void WriteIniInstruction(const std::string& value) {
    std::vector<std::string> parts;
    if (SplitString(parts, value, ";") != 4)
        return;
    try {
        ini::WritePrivateProfileString(parts[1], parts[2], parts[3], parts[0]);
    } catch (const vb::Error&) {
        // The write's failure is not examined.
    }
}

void DeleteShortcutInstruction(const std::string& path) {
    DeleteMatchingFiles(path);
}

}  // namespace OstrlReg_Mods
