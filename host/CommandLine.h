#pragma once
// The command line of ostrel: `ostrel [GROUP.vbg]`, `ostrel --addin PROGID`, `ostrel --help`; `ostrel
// generate` has its own (GenerateCommand.h).

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace host {

inline constexpr const char* kUsage =
    "usage: ostrel [GROUP.vbg]\n"
    "       ostrel --addin PROGID\n"
    "       ostrel generate --repository FILE --app NAME --out DIR [--objects A,B]\n"
    "                       [--forms | --no-forms] [--discard-edits]\n"
    "       ostrel --help\n";

struct CommandLine {
    enum class Action { OpenWindow, ShowHelp, Misused };
    Action action = Action::OpenWindow;
    std::optional<std::filesystem::path> groupFile;
    std::vector<std::string> addIns;  // connected from the command line, in order
};

// The arguments after the program's name. Anything it does not know, a missing ProgID or a second group
// file makes it Misused.
CommandLine ParseCommandLine(std::span<const std::string> arguments);

}  // namespace host
