// What the engine sets up in a project so that the generated code compiles and starts in VB5: the
// start-up object and the references to the libraries and projects that the code names.

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ObjectAccess.h"
#include "core/qelApplication.h"
#include "core/qelConstructor.h"
#include "platform/ide/KnownLibraries.h"
#include "platform/ide/VBE.h"
#include "platform/vb/Text.h"

namespace core {
namespace {

constexpr const char* kNoStartup = "(None)";
constexpr const char* kSubMain = "Sub Main";

// The bytes of a word as whole-word search sees it: letters, digits, "_" and every byte of a character
// beyond ASCII.
constexpr std::array<bool, 256> kWordBytes = [] {
    std::array<bool, 256> word{};
    for (int byte = 0; byte < 256; ++byte) {
        word[static_cast<size_t>(byte)] = byte >= 0x80 || byte == '_' || (byte >= '0' && byte <= '9') ||
                                          (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
    }
    return word;
}();

bool IsWordByte(char c) {
    return kWordBytes[static_cast<unsigned char>(c)];
}

// Letter case ignored; ASCII compared in place, anything else by the full folding rules.
bool SameWord(std::string_view text, std::string_view name) {
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80)
            return vb::TextEquals(text, name);
        const auto n = static_cast<unsigned char>(name[i]);
        const bool letter = (n | 0x20) >= 'a' && (n | 0x20) <= 'z';
        if (c != n && !(letter && (c ^ 0x20) == n))
            return false;
    }
    return true;
}

// Which of `names` (ASCII letters, digits and "_") the code holds as whole words, letter case ignored.
// One pass over the code however many names are asked for (a large application holds millions of lines),
// stopping only where a byte that begins some name also begins a word; most bytes cost one look-up.
std::vector<bool> NamedWords(const vbide::CodeModule& code, const std::vector<std::string_view>& names) {
    std::vector<bool> named(names.size(), false);
    std::array<std::vector<size_t>, 256> byFirstLetter;
    std::array<bool, 256> beginsName{};
    for (size_t i = 0; i < names.size(); ++i) {
        for (const unsigned char first : {static_cast<unsigned char>(names[i][0] | 0x20),
                                          static_cast<unsigned char>(names[i][0] & ~0x20)}) {
            byFirstLetter[first].push_back(i);
            beginsName[first] = true;
        }
    }
    size_t left = names.size();
    for (int32_t number = 1; number <= code.CountOfLines() && left > 0; ++number) {
        const std::string_view line = code.Line(number);
        for (size_t at = 0; at < line.size(); ++at) {
            const auto first = static_cast<unsigned char>(line[at]);
            if (!beginsName[first] || (at > 0 && IsWordByte(line[at - 1])))
                continue;
            size_t end = at + 1;
            while (end < line.size() && IsWordByte(line[end]))
                ++end;
            for (const size_t i : byFirstLetter[first]) {
                if (!named[i] && end - at == names[i].size() &&
                    SameWord(line.substr(at, end - at), names[i])) {
                    named[i] = true;
                    --left;
                }
            }
            at = end;
        }
    }
    return named;
}

bool DeclaresSubMain(const vbide::CodeModule& code) {
    for (int32_t number = 1; number <= code.CountOfLines(); ++number) {
        const std::string text = vb::UCase(vb::Trim(code.Line(number)));
        if (text.starts_with("SUB MAIN(") || text.starts_with("PUBLIC SUB MAIN("))
            return true;
    }
    return false;
}

}  // namespace

void qelConstructor::SetUpNewProject() {
    // Nothing is generated yet that the project could start with.
    mCurProject->SetStartup(kNoStartup);
}

void qelConstructor::ReferToLowerLayer() {
    // Each layer's code creates the classes of the layer below it.
    const qelApplication& application = Required(mApplication);
    const std::string project = vb::Trim(mCurProject->Name());
    const std::array<std::pair<std::string, std::string>, 2> layers = {
        std::pair{vb::Trim(application.L1ProjectName()), vb::Trim(application.L2ProjectName())},
        std::pair{vb::Trim(application.L2ProjectName()), vb::Trim(application.L3ProjectName())}};
    auto& references = mCurProject->References();
    for (const auto& [upper, lower] : layers) {
        if (upper == project && lower != project && !lower.empty() && !references.ContainsProject(lower))
            references.AddFromProject(lower);
    }
}

void qelConstructor::ReferToWhatTheCodeNames() {
    const vbide::CodeModule& code = *mCurComponent->CodeModule();
    vbide::VBProject& project = Required(mCurComponent->Project());
    auto& references = project.References();
    // The names of each library not referred to yet, and which library each belongs to.
    std::vector<std::string_view> names;
    std::vector<const vbide::KnownLibrary*> owners;
    for (const vbide::KnownLibrary& library : vbide::KnownLibraries()) {
        if (references.ContainsLibrary(library.guid))
            continue;
        names.push_back(library.name);
        owners.push_back(&library);
        for (const std::string_view className : library.classes) {
            names.push_back(className);
            owners.push_back(&library);
        }
    }
    const std::vector<bool> named = NamedWords(code, names);
    for (size_t i = 0; i < names.size(); ++i) {
        const vbide::KnownLibrary& library = *owners[i];
        if (named[i] && !references.ContainsLibrary(library.guid))
            references.AddFromGuid(library.guid, library.major, library.minor);
    }
    if (project.Startup() == kNoStartup && mCurComponent->Type() == vbide::vbext_ct_StdModule &&
        DeclaresSubMain(code)) {
        project.SetStartup(kSubMain);
    }
}

}  // namespace core
