#include "host/CommandLine.h"

namespace host {

CommandLine ParseCommandLine(std::span<const std::string> arguments) {
    CommandLine line;
    const auto misused = [] { return CommandLine{CommandLine::Action::Misused, {}, {}}; };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help") {
            line.action = CommandLine::Action::ShowHelp;
        } else if (argument == "--addin") {
            if (i + 1 == arguments.size() || arguments[i + 1].empty())
                return misused();
            line.addIns.push_back(arguments[++i]);
        } else if (argument.empty() || argument.starts_with('-') || line.groupFile) {
            return misused();
        } else {
            line.groupFile = argument;
        }
    }
    return line;
}

}  // namespace host
