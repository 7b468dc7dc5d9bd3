#pragma once
// Whether a saved form draws as a person can use it, read from its .frm text alone (it shares no code with
// the writer): no two controls of one container (the form or a frame) share any area, and every control
// lies within its frame, or within the form at the size its Form_Load sets ("Me.Width", "Me.Height" less
// the title bar and, when the form has menus, the menu bar, 300 twips each), else at its designed client
// size. Menus are not drawn; a combo box without a height is as high as its font makes it.

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// Each fault as "<control> overlaps <control>" or "<control> passes <container>"; a member of a control
// array is named "<name>(<Index>)".
std::vector<std::string> CheckFormGeometry(std::string_view frm);

}  // namespace testing_support
