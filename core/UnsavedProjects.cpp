#include "core/UnsavedProjects.h"

#include <algorithm>
#include <string>

#include "core/qelApplication.h"
#include "platform/ide/VBE.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Text.h"

namespace core {

bool HoldsUnsavedComponent(const vbide::VBE& ide, const qelApplication& application) {
    const std::string built[] = {vb::Trim(application.L1ProjectName()), vb::Trim(application.L2ProjectName()),
                                 vb::Trim(application.L3ProjectName())};
    for (const auto& project : ide.VBProjects()) {
        const std::string name = vb::Trim(project->Name());
        if (name.empty() || std::find(std::begin(built), std::end(built), name) == std::end(built))
            continue;
        for (const auto& component : project->VBComponents()) {
            if (component->FileNames(1).empty())
                return true;
        }
    }
    return false;
}

void AskToSaveProjectsFirst() {
    ui::MsgBox("Save project(s) first then restart code generation.", ui::vbOKOnly, "Project Not Saved");
}

}  // namespace core
