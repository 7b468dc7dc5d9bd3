// What the engine sets up in a project so that the generated code compiles and starts in VB5: the
// start-up object and the references to the libraries and projects that the code names.

#include <array>
#include <utility>

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

bool ModuleNames(const vbide::CodeModule& code, std::string_view word) {
    int32_t startLine = 1, startColumn = 1, endLine = -1, endColumn = -1;
    return code.Find(word, startLine, startColumn, endLine, endColumn, true);
}

bool DeclaresSubMain(const vbide::CodeModule& code) {
    for (const std::string& line : code.AllLines()) {
        const std::string text = vb::UCase(vb::Trim(line));
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
    for (const vbide::KnownLibrary& library : vbide::KnownLibraries()) {
        if (references.ContainsLibrary(library.guid))
            continue;
        bool named = ModuleNames(code, library.name);
        for (const std::string_view className : library.classes)
            named = named || ModuleNames(code, className);
        if (named)
            references.AddFromGuid(library.guid, library.major, library.minor);
    }
    if (project.Startup() == kNoStartup && mCurComponent->Type() == vbide::vbext_ct_StdModule &&
        DeclaresSubMain(code)) {
        project.SetStartup(kSubMain);
    }
}

}  // namespace core
