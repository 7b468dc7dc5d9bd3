#pragma once
// The VB text checker over a whole project group: every module, and every form with its controls.

#include <set>
#include <string>
#include <vector>

#include "platform/ide/FormDesigner.h"
#include "platform/ide/VBE.h"
#include "tests/support/VbTextChecker.h"

namespace testing_support {

// Each problem as "project/component: line N: what"; `modules` counts the components checked.
inline std::vector<std::string> CheckVbGroup(const vbide::VBE& vbe, int& modules) {
    std::vector<std::string> problems;
    modules = 0;
    for (const auto& project : vbe.VBProjects()) {
        for (const auto& component : project->VBComponents()) {
            ++modules;
            const std::vector<std::string>& code = component->CodeModule()->AllLines();
            std::vector<std::string> found;
            if (component->Designer()) {
                std::set<std::string> controls;
                for (const auto& control : component->Designer()->VBControls())
                    controls.insert(control->Name());
                found = CheckVbForm(code, controls);
            } else {
                found = CheckVbModule(code);
            }
            for (const std::string& problem : found)
                problems.push_back(project->Name() + "/" + component->Name() + ": " + problem);
        }
    }
    return problems;
}

}  // namespace testing_support
