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

// The name VB gives the procedure that a declaration line declares, its kind first ("Property Get
// CustomerID"); empty for any other line.
std::string_view ProcedureDeclared(std::string_view line) {
    std::string_view text = WithoutBlanks(line);
    while (After(text, "Public") || After(text, "Private") || After(text, "Friend") ||
           After(text, "Static")) {
    }
    const std::string_view declared = text;
    if (!After(text, "Sub") && !After(text, "Function") &&
        !(After(text, "Property") && (After(text, "Get") || After(text, "Let") || After(text, "Set"))))
        return {};
    const std::string_view name = text.substr(0, text.find_first_of(" ("));
    return name.empty() ? name : declared.substr(0, static_cast<size_t>(name.end() - declared.begin()));
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

// The bytes a procedure holds of one block of kept code (its index in the component's KeptCode).
struct KeptBytes {
    size_t block;
    int32_t bytes;
};

// A procedure of `bytes` bytes past the limit, with the kept code it holds.
ModuleLimitBreach ProcedureBreach(std::string_view procedure, int32_t bytes,
                                  const std::vector<KeptBytes>& keptBytes,
                                  const std::vector<KeptCode>& kept) {
    ModuleLimitBreach breach{"procedure " + std::string(procedure) + ": " +
                             More(bytes, kMaxProcedureBytes, "bytes of code") +
                             " VB compiles in one procedure"};
    if (keptBytes.empty())
        return breach;
    breach.what += "; of these, code kept between edit points:";
    int32_t keptTotal = 0;
    for (const auto& [block, held] : keptBytes) {
        breach.what += (keptTotal == 0 ? " " : ", ") + std::to_string(held) + " bytes in " +
                       QuotedText(kept[block].editPoint);
        keptTotal += held;
    }
    breach.keptCode = true;
    breach.generated = bytes - keptTotal > kMaxProcedureBytes;
    return breach;
}

void CheckCode(const vbide::CodeModule& code, const std::vector<KeptCode>& kept,
               std::vector<ModuleLimitBreach>& breaches) {
    const int32_t count = code.CountOfLines();
    if (count > kMaxModuleLines)
        breaches.push_back({More(count, kMaxModuleLines, "lines") + " VB loads in one module"});
    // A module of ASCII, as generated code nearly always is, has a character per byte: its lines are
    // measured by their sizes, without reading them again.
    const bool ascii = code.IsAscii();
    int32_t statementStart = 1;
    std::string_view procedure;
    int32_t procedureBytes = 0;
    std::vector<KeptBytes> keptBytes;  // of the procedure
    size_t block = 0;                  // the first block of `kept` that does not end above the line
    for (int32_t number = 1; number <= count; ++number) {
        const std::string_view line = code.Line(number);
        const int32_t width = ascii ? static_cast<int32_t>(line.size()) : vb::Len(line);
        if (width > vb::kMaxLineLength)
            breaches.push_back({"line " + std::to_string(number) + ": " +
                                More(width, vb::kMaxLineLength, "characters") + " VB reads on one line"});
        const bool starts = number == statementStart;
        if (starts && procedure.empty())
            procedure = ProcedureDeclared(line);
        while (block < kept.size() && kept[block].firstLine + kept[block].lineCount <= number)
            ++block;
        if (!procedure.empty()) {
            procedureBytes += width + kLineEndBytes;
            if (block < kept.size() && kept[block].firstLine <= number) {
                if (keptBytes.empty() || keptBytes.back().block != block)
                    keptBytes.push_back({block, 0});
                keptBytes.back().bytes += width + kLineEndBytes;
            }
            if (starts && EndsProcedure(line)) {
                if (procedureBytes > kMaxProcedureBytes)
                    breaches.push_back(ProcedureBreach(procedure, procedureBytes, keptBytes, kept));
                procedure = {};
                procedureBytes = 0;
                keptBytes.clear();
            }
        }
        if (Continues(line))
            continue;
        if (const int32_t continuations = number - statementStart; continuations > vb::kMaxContinuations)
            breaches.push_back({"line " + std::to_string(statementStart) + ": " +
                                More(continuations, vb::kMaxContinuations, "line continuations") +
                                " VB joins into one statement"});
        statementStart = number + 1;
    }
}

}  // namespace

std::vector<ModuleLimitBreach> ModuleLimitBreaches(const vbide::VBComponent& component,
                                                   const std::vector<KeptCode>& kept) {
    std::vector<ModuleLimitBreach> breaches;
    CheckCode(*component.CodeModule(), kept, breaches);
    if (const auto& designer = component.Designer()) {
        std::set<std::string> names;  // a control array's members share theirs
        for (const auto& control : designer->VBControls())
            names.insert(vb::FoldCase(control->Name()));
        if (names.size() > formlayout::kMaxControlNames)
            breaches.push_back(
                {More(static_cast<int32_t>(names.size()), formlayout::kMaxControlNames, "control names") +
                 " VB loads on one form"});
    }
    return breaches;
}

namespace {

// What to do: kept code goes into procedures of the developer's own; for what the generator wrote, the
// model asks less.
std::string UnloadableModuleMessage(const std::string& project, const std::string& component,
                                    const std::string& businessObject,
                                    const std::vector<ModuleLimitBreach>& breaches) {
    std::string message = "VB cannot load " + QuotedText(component) +
                          ", which the build wrote into the project " + QuotedText(project) + ":";
    bool keptCode = false, generated = false;
    for (const ModuleLimitBreach& breach : breaches) {
        message += "\n" + breach.what;
        keptCode = keptCode || breach.keptCode;
        generated = generated || breach.generated;
    }
    std::vector<std::string> advice;
    if (keptCode)
        advice.push_back(
            "Move the code kept between those edit points into a procedure of its own (or "
            "several, each under 64 KB), call it from there");
    if (generated)
        advice.push_back("Give the business object " + QuotedText(businessObject) +
                         " fewer properties, or shorter names");
    message += "\nGeneration aborted!";
    for (size_t i = 0; i < advice.size(); ++i)
        message += " " + advice[i] + (i + 1 < advice.size() ? "." : ", and build again.");
    return message;
}

}  // namespace

UnloadableModule::UnloadableModule(const std::string& project, const std::string& component,
                                   const std::string& businessObject,
                                   const std::vector<ModuleLimitBreach>& breaches)
    : vb::Error(vb::kInvalidProcedureCall,
                UnloadableModuleMessage(project, component, businessObject, breaches)) {}

}  // namespace core
