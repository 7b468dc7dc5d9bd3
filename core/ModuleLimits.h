#pragma once
// The limits VB puts on a module it loads, measured on a component as the engine wrote it: the patterns
// keep within them, and a build that would still save a module past one fails instead, naming it.
//
// Measured in characters, each a byte of the Windows-1252 file, against platform/vb/Limits.h: a line's
// characters, a statement's line continuations, a procedure's source bytes, a module's lines and a form's
// control names (the members of a control array share one name). A procedure is named as VB names it
// ("Property Get CustomerID"). Code kept between edit points is the developer's to mend, not the model's:
// a procedure or module past its limit that holds it names each edit point holding it and how much it
// holds there; a line or statement past its limit that is kept code names its edit point.

#include <string>
#include <vector>

#include "core/EditPoints.h"
#include "platform/vb/Error.h"

namespace vbide {
class VBComponent;
}

namespace core {

// What a limit bounds, in the order the advice for kept code past them is given.
enum class ModuleLimit { lines, procedure, statement, line, controlNames };

// A limit a component passes: "<where>: <what>, more than <the limit>", and whose code passes it.
struct ModuleLimitBreach {
    std::string what;
    ModuleLimit limit;
    bool keptCode = false;  // code kept between edit points is part of it
    bool generated = true;  // the generated code passes the limit even without the kept code
};

// Each limit the component passes; none when VB loads it. `kept` is where code kept between edit points
// stands in it. One pass over its lines and controls.
std::vector<ModuleLimitBreach> ModuleLimitBreaches(const vbide::VBComponent& component,
                                                   const std::vector<KeptCode>& kept = {});

// The failure of a build that wrote a module VB cannot load: its description names the component, each
// breach, and what to do.
class UnloadableModule : public vb::Error {
  public:
    UnloadableModule(const std::string& project, const std::string& component,
                     const std::string& businessObject, const std::vector<ModuleLimitBreach>& breaches);
};

}  // namespace core
