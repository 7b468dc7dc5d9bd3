#pragma once
// Names of controls made of model names: VB takes at most vb::kMaxNameLength characters in a name, and
// each control of a form needs a name of its own. The layout that places the controls and the code that
// names them both ask here, so that they agree.

#include <string>
#include <vector>

namespace formlayout {

// `head` & each of `tails`, cut to what VB takes, and numbered ("_2", "_3") where it meets an earlier
// name of the list (letter case ignored).
std::vector<std::string> FittedControlNames(const std::string& head, const std::vector<std::string>& tails);

}  // namespace formlayout
