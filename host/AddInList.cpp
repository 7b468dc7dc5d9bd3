#include "host/AddInList.h"

#include <fstream>

#include "platform/ini/PrivateProfile.h"
#include "platform/ini/ProfileFolder.h"
#include "platform/vb/Text.h"

namespace host {
namespace {

std::string_view TrimmedLine(std::string_view line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

bool Listed(const std::vector<AddInListEntry>& entries, std::string_view progId) {
    for (const AddInListEntry& entry : entries) {
        if (vb::TextEquals(entry.progId, progId))
            return true;
    }
    return false;
}

}  // namespace

std::filesystem::path AddInListFile() {
    return ini::ProfileFile(kAddInListName);
}

std::vector<AddInListEntry> ReadAddInList(const std::filesystem::path& file) {
    std::vector<AddInListEntry> entries;
    std::ifstream in(file, std::ios::binary);
    bool inSection = false;
    for (std::string raw; std::getline(in, raw);) {
        const std::string_view line = TrimmedLine(raw);
        if (line.starts_with('[')) {
            const auto close = line.find(']');
            inSection = close != std::string_view::npos &&
                        vb::TextEquals(TrimmedLine(line.substr(1, close - 1)), kAddInSection);
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || line.starts_with(';') || equals == std::string_view::npos)
            continue;
        const std::string_view progId = TrimmedLine(line.substr(0, equals));
        if (progId.empty() || Listed(entries, progId))
            continue;
        entries.push_back({std::string(progId), TrimmedLine(line.substr(equals + 1)) == "1"});
    }
    return entries;
}

void WriteLoadOnStartup(const std::filesystem::path& file, std::string_view progId, bool loadOnStartup) {
    ini::WritePrivateProfileString(kAddInSection, progId, loadOnStartup ? "1" : "0", file);
}

}  // namespace host
