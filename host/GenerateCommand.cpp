#include "host/GenerateCommand.h"

#include <algorithm>
#include <iomanip>
#include <optional>
#include <ostream>
#include <vector>

#include "platform/automation/CreateObject.h"
#include "platform/ide/FileBatch.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"
#include "platform/vb/Error.h"

namespace host {
namespace {

constexpr const char* kBuildDriver = "VBOSTREL.BuildDriver";

std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> pieces;
    size_t from = 0;
    for (size_t comma = text.find(',');; comma = text.find(',', from)) {
        const std::string piece =
            text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        if (!piece.empty())
            pieces.push_back(piece);
        if (comma == std::string::npos)
            return pieces;
        from = comma + 1;
    }
}

void PrintWarnings(const std::vector<std::string>& warnings, std::ostream& err) {
    for (const std::string& warning : warnings)
        err << "warning: " << warning << '\n';
}

// The group file that `folder` holds, or nothing.
std::optional<std::filesystem::path> GroupFileIn(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".vbg")
            return entry.path();
    }
    return std::nullopt;
}

void PrintTable(const typelib::GenerateResult& result, std::ostream& out) {
    size_t projectWidth = 7, componentWidth = 9;
    for (const auto& row : result.components) {
        projectWidth = std::max(projectWidth, row.project.size());
        componentWidth = std::max(componentWidth, row.component.size());
    }
    out << std::left << std::setw(static_cast<int>(projectWidth)) << "Project"
        << "  " << std::setw(static_cast<int>(componentWidth)) << "Component"
        << "  Lines\n";
    for (const auto& row : result.components) {
        out << std::setw(static_cast<int>(projectWidth)) << row.project << "  "
            << std::setw(static_cast<int>(componentWidth)) << row.component << "  " << row.linesOfCode
            << '\n';
    }
    out << "Total Lines of Code: " << result.totalLines << '\n';
}

}  // namespace

std::optional<GenerateCommand> ParseGenerateCommand(std::span<const std::string> arguments,
                                                    std::string& error) {
    GenerateCommand command;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool takesValue =
            option == "--repository" || option == "--app" || option == "--out" || option == "--objects";
        if (takesValue && i + 1 == arguments.size()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        if (option == "--repository") {
            command.request.repository = arguments[++i];
        } else if (option == "--app") {
            command.request.application = arguments[++i];
        } else if (option == "--out") {
            command.out = arguments[++i];
        } else if (option == "--objects") {
            command.request.objects = SplitAtCommas(arguments[++i]);
        } else if (option == "--forms" || option == "--no-forms") {
            command.request.forms = option == "--forms";
        } else if (option == "--discard-edits") {
            command.request.discardEdits = true;
        } else {
            error = "unknown option " + option;
            return std::nullopt;
        }
    }
    if (command.request.repository.empty() || command.request.application.empty() || command.out.empty()) {
        error = "--repository, --app and --out are required";
        return std::nullopt;
    }
    return command;
}

int RunGenerateCommand(const GenerateCommand& command, std::ostream& out, std::ostream& err) {
    try {
        const auto vbe = std::make_shared<vbide::VBE>();
        // A save that a kill stopped is finished (or dropped) before the group is looked for.
        PrintWarnings(vbide::RecoverInterruptedSave(command.out), err);
        const std::optional<std::filesystem::path> existing = GroupFileIn(command.out);
        if (existing)
            PrintWarnings(vbide::OpenProjectGroup(*vbe, *existing), err);
        const auto driver = automation::CreateObjectAs<typelib::IBuildDriver>(kBuildDriver);
        const typelib::GenerateResult result = driver->Generate(vbe, command.request);
        // The build has checked the application's name: only now does it name a file.
        const std::filesystem::path groupFile =
            existing ? *existing : vbide::PathInside(command.out, command.request.application + ".vbg");
        PrintWarnings(vbide::SaveProjectGroup(*vbe, groupFile), err);
        PrintWarnings(result.warnings, err);
        PrintTable(result, out);
        return 0;
    } catch (const vb::Error& error) {
        err << "ostrel generate: " << error.Description() << " (error " << error.Number()
            << (error.Source().empty() ? "" : ", " + error.Source()) << ")\n";
    } catch (const std::filesystem::filesystem_error& error) {
        err << "ostrel generate: " << error.what() << '\n';
    }
    return 1;
}

}  // namespace host
