#pragma once
// The limits VB puts on a module it loads, measured on a component as the engine wrote it: the patterns
// keep within them, and a build that would still save a module past one fails instead, naming it.
//
// Measured in characters, each a byte of the Windows-1252 file: a line of at most vb::kMaxLineLength, at
// most vb::kMaxContinuations line continuations in one statement, a procedure's source (its lines from its
// declaration to its End, each with its CR LF) under 64 KB, at most 65534 lines in a module, and at most
// 254 control names on a form (the members of a control array share one name). A procedure is named as
// VB names it ("Property Get CustomerID"); one past 64 KB that holds code kept between edit points names
// each edit point holding it and its bytes, as that code is the developer's to move, not the model's.

#include <string>
#include <vector>

#include "core/EditPoints.h"
#include "platform/vb/Error.h"

namespace vbide {
class VBComponent;
}

namespace core {

// A limit a component passes: "<where>: <what>, more than <the limit>", and whose code passes it.
struct ModuleLimitBreach {
    std::string what;
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
