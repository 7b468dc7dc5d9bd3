#include "core/ModuleLimits.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <set>
#include <string_view>

#include "core/GeneratedNames.h"
#include "platform/ide/VBComponent.h"
#include "platform/vb/Limits.h"
#include "platform/vb/Text.h"

namespace core {
namespace {

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
    // Each word that may begin a declaration begins with one of these: most lines are let go at once.
    if (text.empty() || (text[0] != 'P' && text[0] != 'F' && text[0] != 'S'))
        return {};
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
    return line.size() >= 2 && line[line.size() - 1] == '_' && line[line.size() - 2] == ' ';
}

std::string More(int32_t count, int32_t limit, const char* what) {
    return std::to_string(count) + " " + what + ", more than the " + std::to_string(limit);
}

constexpr size_t kNotKept = SIZE_MAX;

// How much of one block of a component's kept code (its index in the component's KeptCode) a procedure
// or module holds.
struct KeptShare {
    size_t block;
    int32_t amount;
};

// `breach` of `total` `unit`s, of which `shares` is kept code.
ModuleLimitBreach WithKeptShares(ModuleLimitBreach breach, int32_t total, int32_t limit, const char* unit,
                                 const std::vector<KeptShare>& shares, const std::vector<KeptCode>& kept) {
    if (shares.empty())
        return breach;
    breach.what += "; of these, code kept between edit points:";
    int32_t keptTotal = 0;
    for (const auto& [block, amount] : shares) {
        breach.what += (keptTotal == 0 ? " " : ", ") + std::to_string(amount) + " " + unit +
                       (amount == 1 ? "" : "s") + " in " + QuotedText(kept[block].editPoint);
        keptTotal += amount;
    }
    breach.keptCode = true;
    breach.generated = total - keptTotal > limit;
    return breach;
}

ModuleLimitBreach LinesBreach(int32_t count, const std::vector<KeptCode>& kept) {
    std::vector<KeptShare> shares;
    for (size_t block = 0; block < kept.size(); ++block)
        shares.push_back({block, kept[block].lineCount});
    return WithKeptShares(
        {More(count, vb::kMaxModuleLines, "lines") + " VB loads in one module", ModuleLimit::lines}, count,
        vb::kMaxModuleLines, "line", shares, kept);
}

// A procedure of `bytes` bytes past the limit, with the kept code it holds.
ModuleLimitBreach ProcedureBreach(std::string_view procedure, int32_t bytes,
                                  const std::vector<KeptShare>& shares, const std::vector<KeptCode>& kept) {
    return WithKeptShares(
        {"procedure " + std::string(procedure) + ": " + More(bytes, vb::kMaxProcedureBytes, "bytes of code") +
             " VB compiles in one procedure",
         ModuleLimit::procedure},
        bytes, vb::kMaxProcedureBytes, "byte", shares, kept);
}

// `breach` of a line or statement that is either generated or kept code in `block`.
ModuleLimitBreach KeptOrGenerated(ModuleLimitBreach breach, const char* which, size_t block,
                                  const std::vector<KeptCode>& kept) {
    if (block == kNotKept)
        return breach;
    breach.what += "; the " + std::string(which) + " is code kept in the edit point " +
                   QuotedText(kept[block].editPoint);
    breach.keptCode = true;
    breach.generated = false;
    return breach;
}

// The block of `kept` (in the order of their lines) that holds line `number`, or kNotKept.
size_t KeptBlockOf(const std::vector<KeptCode>& kept, int32_t number) {
    const auto block = std::ranges::partition_point(
        kept, [number](const KeptCode& code) { return code.firstLine + code.lineCount <= number; });
    return block != kept.end() && block->firstLine <= number ? static_cast<size_t>(block - kept.begin())
                                                             : kNotKept;
}

// The breaches of a line and of a statement are rare: kept out of the walk over every line.
[[gnu::cold]] ModuleLimitBreach LineBreach(int32_t number, int32_t width, const std::vector<KeptCode>& kept) {
    return KeptOrGenerated({"line " + std::to_string(number) + ": " +
                                More(width, vb::kMaxLineLength, "characters") + " VB reads on one line",
                            ModuleLimit::line},
                           "line", KeptBlockOf(kept, number), kept);
}

// A statement is kept code by its first line: kept code continued onto a marker is still kept.
[[gnu::cold]] ModuleLimitBreach StatementBreach(int32_t start, int32_t continuations,
                                                const std::vector<KeptCode>& kept) {
    return KeptOrGenerated({"line " + std::to_string(start) + ": " +
                                More(continuations, vb::kMaxContinuations, "line continuations") +
                                " VB joins into one statement",
                            ModuleLimit::statement},
                           "statement", KeptBlockOf(kept, start), kept);
}

// Adds up the procedures of a module line by line, with the kept code each holds, and notes those past
// the limit.
class ProcedureMeasure {
  public:
    ProcedureMeasure(const std::vector<KeptCode>& kept, std::vector<ModuleLimitBreach>& breaches)
        : mKept(kept), mBreaches(breaches) {}

    // Line `number` of `width` characters, which starts a statement or continues one.
    void Add(std::string_view line, int32_t number, int32_t width, bool startsStatement) {
        if (startsStatement && mProcedure.empty())
            mProcedure = ProcedureDeclared(line);
        if (mProcedure.empty())
            return;
        mBytes += width + kLineEndBytes;
        if (const size_t block = KeptBlockOf(mKept, number); block != kNotKept) {
            if (mShares.empty() || mShares.back().block != block)
                mShares.push_back({block, 0});
            mShares.back().amount += width + kLineEndBytes;
        }
        if (startsStatement && EndsProcedure(line)) {
            if (mBytes > vb::kMaxProcedureBytes)
                mBreaches.push_back(ProcedureBreach(mProcedure, mBytes, mShares, mKept));
            mProcedure = {};
            mBytes = 0;
            mShares.clear();
        }
    }

  private:
    const std::vector<KeptCode>& mKept;
    std::vector<ModuleLimitBreach>& mBreaches;
    std::string_view mProcedure;  // the one the lines are in, or none
    int32_t mBytes = 0;
    std::vector<KeptShare> mShares;
};

void CheckCode(const vbide::CodeModule& code, const std::vector<KeptCode>& kept,
               std::vector<ModuleLimitBreach>& breaches) {
    const int32_t count = code.CountOfLines();
    if (count > vb::kMaxModuleLines)
        breaches.push_back(LinesBreach(count, kept));
    // A character takes at least a byte: a module whose whole text, line ends included, is within a
    // procedure's limit holds no procedure past it. Most modules are such, and their procedures are not
    // added up.
    const bool measuresProcedures =
        code.TextBytes() + static_cast<size_t>(kLineEndBytes) * static_cast<size_t>(count) >
        static_cast<size_t>(vb::kMaxProcedureBytes);
    // A module of ASCII, as generated code nearly always is, has a character per byte: its lines are
    // measured by their sizes, without reading them again. Elsewhere only a line whose size passes the line
    // limit, or that a procedure adds up, has its characters counted.
    const bool ascii = !measuresProcedures || code.IsAscii();
    ProcedureMeasure procedures(kept, breaches);
    int32_t number = 0;
    int32_t statementStart = 1;
    code.ForEachLine([&](std::string_view line) {
        ++number;
        const bool counted = !ascii || line.size() > static_cast<size_t>(vb::kMaxLineLength);
        const int32_t width = counted ? vb::Len(line) : static_cast<int32_t>(line.size());
        if (width > vb::kMaxLineLength)
            breaches.push_back(LineBreach(number, width, kept));
        if (measuresProcedures)
            procedures.Add(line, number, width, number == statementStart);
        if (Continues(line))
            return;
        if (number - statementStart > vb::kMaxContinuations)
            breaches.push_back(StatementBreach(statementStart, number - statementStart, kept));
        statementStart = number + 1;
    });
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
        if (names.size() > vb::kMaxControlNames)
            breaches.push_back(
                {More(static_cast<int32_t>(names.size()), vb::kMaxControlNames, "control names") +
                     " VB loads on one form",
                 ModuleLimit::controlNames});
    }
    return breaches;
}

namespace {

// What to do with code kept between edit points that passes `limit`.
std::string KeptCodeAdvice(ModuleLimit limit) {
    switch (limit) {
        case ModuleLimit::lines:
            return "Move the code kept between those edit points into a module of its own, call it from "
                   "there";
        case ModuleLimit::procedure:
            return "Move the code kept between those edit points into a procedure of its own (or several, "
                   "each under 64 KB), call it from there";
        case ModuleLimit::statement:
            return "Split each kept statement named into statements of at most " +
                   std::to_string(vb::kMaxContinuations) + " line continuations";
        case ModuleLimit::line:
            return "Shorten each kept line named to at most " + std::to_string(vb::kMaxLineLength) +
                   " characters, or split it over lines ending in \" _\"";
        case ModuleLimit::controlNames:
            break;  // a form's controls are all generated
    }
    return {};
}

// What to do: kept code is the developer's to mend; for what the generator wrote, the model asks less.
std::string UnloadableModuleMessage(const std::string& project, const std::string& component,
                                    const std::string& businessObject,
                                    const std::vector<ModuleLimitBreach>& breaches) {
    std::string message = "VB cannot load " + QuotedText(component) +
                          ", which the build wrote into the project " + QuotedText(project) + ":";
    bool keptPasses[static_cast<size_t>(ModuleLimit::controlNames) + 1] = {};
    bool generated = false;
    for (const ModuleLimitBreach& breach : breaches) {
        message += "\n" + breach.what;
        keptPasses[static_cast<size_t>(breach.limit)] |= breach.keptCode;
        generated = generated || breach.generated;
    }
    std::vector<std::string> advice;
    for (size_t limit = 0; limit < std::size(keptPasses); ++limit) {
        if (keptPasses[limit])
            advice.push_back(KeptCodeAdvice(static_cast<ModuleLimit>(limit)));
    }
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
