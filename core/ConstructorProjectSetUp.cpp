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

// Which of `names` (ASCII letters, digits and "_") the code holds as whole words, letter case ignored.
// One pass over the code, however many names are asked for (a large application holds millions of
// lines), stopping only where a name's first letter begins a word.
std::vector<bool> NamedWords(const vbide::CodeModule& code, const std::vector<std::string_view>& names) {
    std::vector<bool> named(names.size(), false);
    std::array<bool, 256> firstLetters{};
    for (const std::string_view name : names) {
        firstLetters[static_cast<unsigned char>(name[0]) | 0x20] = true;
        firstLetters[static_cast<unsigned char>(name[0]) & ~0x20] = true;
    }
    size_t left = names.size();
    for (int32_t number = 1; number <= code.CountOfLines() && left > 0; ++number) {
        const std::string_view line = code.Line(number);
        for (size_t at = 0; at < line.size(); ++at) {
            if (!firstLetters[static_cast<unsigned char>(line[at])] || (at > 0 && IsWordByte(line[at - 1])))
                continue;
            for (size_t i = 0; i < names.size(); ++i) {
                const size_t end = at + names[i].size();
                if (!named[i] && end <= line.size() && (end == line.size() || !IsWordByte(line[end])) &&
                    vb::TextEquals(line.substr(at, names[i].size()), names[i])) {
                    named[i] = true;
                    --left;
                }
            }
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
