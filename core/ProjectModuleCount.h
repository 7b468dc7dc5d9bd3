#pragma once
// VB loads about vb::kMaxProjectModules modules in one project: a build that would leave a project with
// more is warned of, before it writes anything, and goes on when the developer accepts the warnings.

#include <memory>
#include <string>
#include <vector>

namespace vbide {
class VBE;
}

namespace core {

class qelApplication;
class qelBusinessObject;

// One warning for each project a build of `chosen` (with the forms or without) writes into that it would
// leave with more modules than VB loads: the components the project holds in `vbe` (none without one)
// and those the build adds, each name once.
std::vector<std::string> ModuleCountWarnings(const vbide::VBE* vbe, const qelApplication& application,
                                             const std::vector<std::shared_ptr<qelBusinessObject>>& chosen,
                                             bool forms);

}  // namespace core
