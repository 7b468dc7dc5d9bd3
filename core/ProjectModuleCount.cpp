#include "core/ProjectModuleCount.h"

#include <map>
#include <set>

#include "core/GeneratedNames.h"
#include "core/qelApplication.h"
#include "core/qelBusinessObject.h"
#include "platform/ide/VBE.h"
#include "platform/vb/Limits.h"
#include "platform/vb/Text.h"

namespace core {

std::vector<std::string> ModuleCountWarnings(const vbide::VBE* vbe, const qelApplication& application,
                                             const std::vector<std::shared_ptr<qelBusinessObject>>& chosen,
                                             bool forms) {
    // Per layer its project; layers sharing a project share its modules.
    const std::string projects[] = {vb::Trim(application.L1ProjectName()),
                                    vb::Trim(application.L2ProjectName()),
                                    vb::Trim(application.L3ProjectName())};
    std::map<std::string, std::set<std::string>> modules;  // folded names, each counted once
    auto take = [&](const MadeName& made) {
        modules[projects[made.Layer - 1]].insert(vb::FoldCase(made.Name));
    };
    for (const MadeName& module : SharedModuleNames(forms))
        take(module);
    if (forms) {
        for (const MadeName& form : ApplicationFormNames(application.Name()))
            take(form);
    }
    for (const auto& businessObject : chosen) {
        for (const MadeName& made :
             ComponentNames(businessObject->Name(), application.Architecture() == typelib::ThreeTier, forms))
            take(made);
    }
    if (vbe) {
        for (const auto& open : vbe->VBProjects()) {
            const auto held = modules.find(vb::Trim(open->Name()));
            if (held == modules.end())
                continue;
            for (const auto& component : open->VBComponents())
                held->second.insert(vb::FoldCase(component->Name()));
        }
    }
    std::vector<std::string> warnings;
    for (const auto& [project, names] : modules) {
        if (names.size() > vb::kMaxProjectModules)
            warnings.push_back("The project " + project + " will hold " + std::to_string(names.size()) +
                               " modules, more than the about " + std::to_string(vb::kMaxProjectModules) +
                               " that VB loads in one project.  Build the business objects in several "
                               "applications.");
    }
    return warnings;
}

}  // namespace core
