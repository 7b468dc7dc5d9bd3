#pragma once
// `ostrel generate`: an unattended build. It creates the add-in's build driver by ProgID (the IDE never
// links the add-in), opens the project group in the output folder when there is one (so that regeneration
// keeps the developer's code between edit points), builds, saves the group into the folder and prints the
// construction monitor's table. On failure it prints one message and leaves the folder as it was: nothing
// is written before the build and every check have passed, and a file in the folder that the group does
// not list is never written over.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "typelib/IBuildDriver.h"

namespace host {

struct GenerateCommand {
    typelib::GenerateRequest request;
    std::filesystem::path out;
};

// The arguments after "generate"; nothing (and a message in `error`) when they are not complete or not known.
std::optional<GenerateCommand> ParseGenerateCommand(std::span<const std::string> arguments,
                                                    std::string& error);

// Runs the command; the exit code: 0 done, 1 failed.
int RunGenerateCommand(const GenerateCommand& command, std::ostream& out, std::ostream& err);

}  // namespace host
