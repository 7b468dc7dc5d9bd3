// What the engine sets up in a project so that the generated code compiles and starts in VB5: the
// start-up object and the references to the libraries and projects that the code names.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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

// The bytes names begin with, in either letter case, and a test of sixteen places at once for a name's
// first two characters: the code is millions of lines, and nearly all of its places begin no name.
class NameStarts {
  public:
    static constexpr size_t kPlaces = 16;

    // `name` is the `index`th of the names looked for.
    void Add(std::string_view name, size_t index) {
        mByFirstByte[static_cast<unsigned char>(name[0] | 0x20)].push_back(index);
        mByFirstByte[static_cast<unsigned char>(name[0] & ~0x20)].push_back(index);
        if (name.size() < 2) {
            mEveryPlace = true;
            return;
        }
        const auto first = static_cast<unsigned char>(name[0] | 0x20);
        const auto second = static_cast<unsigned char>(name[1] | 0x20);
        const bool known = std::any_of(mPairs.begin(), mPairs.end(), [&](const Pair& pair) {
            return pair.first[0] == first && pair.second[0] == second;
        });
        if (!known)
            mPairs.push_back({Bytes{} + first, Bytes{} + second});
    }
    // The names that begin with `byte`, in their order.
    const std::vector<size_t>& BeginningWith(char byte) const {
        return mByFirstByte[static_cast<unsigned char>(byte)];
    }
    bool Begins(char byte) const { return !BeginningWith(byte).empty(); }
    // False only when no name begins at any of the places from `text` on, which holds kPlaces + 1 bytes.
    // Folding bytes that are not letters may give a false alarm, which costs a closer look and nothing more.
    bool MayBeginIn(const char* text) const {
        if (mEveryPlace)
            return true;
        Bytes first;
        Bytes second;
        std::memcpy(&first, text, sizeof first);
        std::memcpy(&second, text + 1, sizeof second);
        first |= 0x20;
        second |= 0x20;
        Mask hits{};
        for (const Pair& pair : mPairs)
            hits |= (first == pair.first) & (second == pair.second);
        uint64_t halves[2];
        std::memcpy(halves, &hits, sizeof halves);
        return (halves[0] | halves[1]) != 0;
    }

  private:
    // Compared lane by lane; the compiler's vector instructions where the processor has them.
    using Bytes = unsigned char __attribute__((vector_size(kPlaces)));
    using Mask = signed char __attribute__((vector_size(kPlaces)));
    struct Pair {
        Bytes first;
        Bytes second;
    };

    std::array<std::vector<size_t>, 256> mByFirstByte;
    std::vector<Pair> mPairs;
    bool mEveryPlace = false;  // a one-letter name
};

// Which of `names` (ASCII letters, digits and "_") the code holds as whole words, letter case ignored.
// One pass over the code however many names are asked for, stopping only where the first two characters
// of some name may stand.
std::vector<bool> NamedWords(const vbide::CodeModule& code, const std::vector<std::string_view>& names) {
    std::vector<bool> named(names.size(), false);
    NameStarts starts;
    for (size_t i = 0; i < names.size(); ++i)
        starts.Add(names[i], i);
    size_t left = names.size();
    for (int32_t number = 1; number <= code.CountOfLines() && left > 0; ++number) {
        const std::string_view line = code.Line(number);
        size_t at = 0;
        while (at < line.size()) {
            if (line.size() - at > NameStarts::kPlaces && !starts.MayBeginIn(line.data() + at)) {
                at += NameStarts::kPlaces;
                continue;
            }
            const size_t look = std::min(line.size(), at + NameStarts::kPlaces);
            while (at < look && !(starts.Begins(line[at]) && (at == 0 || !IsWordByte(line[at - 1]))))
                ++at;
            if (at == look)
                continue;
            size_t end = at + 1;
            while (end < line.size() && IsWordByte(line[end]))
                ++end;
            for (const size_t i : starts.BeginningWith(line[at])) {
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
