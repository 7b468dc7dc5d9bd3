#include "core/ModuleLimits.h"

#include <set>
#include <string_view>

#include "core/GeneratedNames.h"
#include "formlayout/ControlNameCount.h"
#include "platform/ide/VBComponent.h"
#include "platform/vb/ContinuedLine.h"
#include "platform/vb/Literal.h"
#include "platform/vb/Text.h"

namespace core {
namespace {

constexpr int32_t kMaxProcedureBytes = 65535;
constexpr int32_t kMaxModuleLines = 65534;
constexpr int32_t kLineEndBytes = 2;  // CR LF

std::string_view WithoutBlanks(std::string_view line) {
    const size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

// The text after `word` and a blank at the start of `text`, or nothing.
bool After(std::string_view& text, std::string_view word) {
    if (!text.starts_with(word) || text.size() <= word.size() || text[word.size()] != ' ')
        return false;
    text.remove_prefix(word.size() + 1);
    return true;
}

// The name a procedure's declaration line declares; empty for any other line.
std::string_view ProcedureDeclared(std::string_view line) {
    std::string_view text = WithoutBlanks(line);
    while (After(text, "Public") || After(text, "Private") || After(text, "Friend") ||
           After(text, "Static")) {
    }
    if (!After(text, "Sub") && !After(text, "Function") &&
        !(After(text, "Property") && (After(text, "Get") || After(text, "Let") || After(text, "Set"))))
        return {};
    return text.substr(0, text.find_first_of(" ("));
}

bool EndsProcedure(std::string_view line) {
    std::string_view text = WithoutBlanks(line);
    if (!text.starts_with("End "))
        return false;
    text.remove_prefix(4);
    for (const std::string_view kind : {"Sub", "Function", "Property"}) {
        if (text.starts_with(kind) &&
            (text.size() == kind.size() || text[kind.size()] == ' ' || text[kind.size()] == '\''))
            return true;
    }
    return false;
}

bool Continues(std::string_view line) {
    return line.ends_with(" _");
}

std::string More(int32_t count, int32_t limit, const char* what) {
    return std::to_string(count) + " " + what + ", more than the " + std::to_string(limit);
}

void CheckCode(const vbide::CodeModule& code, std::vector<std::string>& breaches) {
    const int32_t count = code.CountOfLines();
    if (count > kMaxModuleLines)
        breaches.push_back(More(count, kMaxModuleLines, "lines") + " VB loads in one module");
    // A module of ASCII, as generated code nearly always is, has a character per byte: its lines are
    // measured by their sizes, without reading them again.
    const bool ascii = code.IsAscii();
    int32_t statementStart = 1;
    std::string_view procedure;
    int32_t procedureBytes = 0;
    for (int32_t number = 1; number <= count; ++number) {
        const std::string_view line = code.Line(number);
        const int32_t width = ascii ? static_cast<int32_t>(line.size()) : vb::Len(line);
        if (width > vb::kMaxLineLength)
            breaches.push_back("line " + std::to_string(number) + ": " +
                               More(width, vb::kMaxLineLength, "characters") + " VB reads on one line");
        const bool starts = number == statementStart;
        if (starts && procedure.empty())
            procedure = ProcedureDeclared(line);
        if (!procedure.empty()) {
            procedureBytes += width + kLineEndBytes;
            if (starts && EndsProcedure(line)) {
                if (procedureBytes > kMaxProcedureBytes)
                    breaches.push_back("procedure " + std::string(procedure) + ": " +
                                       More(procedureBytes, kMaxProcedureBytes, "bytes of code") +
                                       " VB compiles in one procedure");
                procedure = {};
                procedureBytes = 0;
            }
        }
        if (Continues(line))
            continue;
        if (const int32_t continuations = number - statementStart; continuations > vb::kMaxContinuations)
            breaches.push_back("line " + std::to_string(statementStart) + ": " +
                               More(continuations, vb::kMaxContinuations, "line continuations") +
                               " VB joins into one statement");
        statementStart = number + 1;
    }
}

}  // namespace

std::vector<std::string> ModuleLimitBreaches(const vbide::VBComponent& component) {
    std::vector<std::string> breaches;
    CheckCode(*component.CodeModule(), breaches);
    if (const auto& designer = component.Designer()) {
        std::set<std::string> names;  // a control array's members share theirs
        for (const auto& control : designer->VBControls())
            names.insert(vb::FoldCase(control->Name()));
        if (names.size() > formlayout::kMaxControlNames)
            breaches.push_back(
                More(static_cast<int32_t>(names.size()), formlayout::kMaxControlNames, "control names") +
                " VB loads on one form");
    }
    return breaches;
}

namespace {

std::string UnloadableModuleMessage(const std::string& project, const std::string& component,
                                    const std::string& businessObject,
                                    const std::vector<std::string>& breaches) {
    std::string message = "VB cannot load " + QuotedText(component) +
                          ", which the build wrote into the project " + QuotedText(project) + ":";
    for (const std::string& breach : breaches)
        message += "\n" + breach;
    return message + "\nGeneration aborted! Give the business object " + QuotedText(businessObject) +
           " fewer properties, or shorter names, and build again.";
}

}  // namespace

UnloadableModule::UnloadableModule(const std::string& project, const std::string& component,
                                   const std::string& businessObject,
                                   const std::vector<std::string>& breaches)
    : vb::Error(vb::kInvalidProcedureCall,
                UnloadableModuleMessage(project, component, businessObject, breaches)) {}

}  // namespace core
