#include "setuptool/OstrlReg_Mods.h"

#include <fstream>
#include <iterator>
#include <ostream>
#include <vector>

#include "platform/ini/PrivateProfile.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"
#include "setuptool/FileDeletion.h"
#include "setuptool/SplitString.h"

namespace OstrlReg_Mods {
namespace {

constexpr const char* kInstructionFileName = "OSTRREG.INS";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::filesystem::path ProgramFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// The file's lines; CR LF, LF and a lone CR each end one.
std::vector<std::string> LinesOf(std::string_view text) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    return lines;
}

}  // namespace

int Main(std::ostream& err) {
    try {
        return ReadInstructionFile(ProgramFolder() / kInstructionFileName, err) ? 0 : 1;
    } catch (const std::exception& error) {
        err << "ostrreg: " << error.what() << '\n';
        return 1;
    }
}

bool ReadInstructionFile(const std::filesystem::path& path, std::ostream& err) {
    std::error_code missing;
    if (!std::filesystem::exists(path, missing))
        return true;
    std::ifstream InstructionFile(path, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(InstructionFile), {});
    if (!InstructionFile.good() && !InstructionFile.eof()) {
        err << "ostrreg: " << path.string() << " cannot be read\n";
        return false;
    }
    bool allDone = true;
    std::vector<std::string> parts;
    const std::vector<std::string> lines = LinesOf(text);
    for (size_t number = 1; number <= lines.size(); ++number) {
        const std::string line = vb::Trim(lines[number - 1]);
        try {
            if (SplitString(parts, line, "=") != 2)
                continue;
            if (parts[0] == "INI") {
                WriteIniInstruction(parts[1]);
            } else if (parts[0] == "DELETE_SHORTCUT") {
                DeleteShortcutInstruction(parts[1]);
            }
        } catch (const vb::Error& error) {
            err << "ostrreg: " << path.string() << ", line " << number << " (" << line
                << "): " << error.Description() << '\n';
            allDone = false;
        }
    }
    return allDone;
}

void WriteIniInstruction(const std::string& value) {
    std::vector<std::string> parts;
    if (SplitString(parts, value, ";") != 4)
        return;
    ini::WritePrivateProfileString(parts[1], parts[2], parts[3], parts[0]);
}

void DeleteShortcutInstruction(const std::string& path) {
    DeleteMatchingFiles(path);
}

}  // namespace OstrlReg_Mods
