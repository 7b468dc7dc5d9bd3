#pragma once
// The main window's menu bar, its popup menu and its toolbar as tables: control names, captions, where
// each item sits, and the command each toolbar button runs. The Qt window builds its menus from them.

#include <string_view>
#include <vector>

namespace builder {

struct MenuItem {
    std::string_view Name;
    // "-" for a separator.
    std::string_view Caption;
    // The menu it belongs to; empty for a menu of the menu bar (or the popup menu itself).
    std::string_view Parent;
};

// In the order they are shown; submenus follow the item that opens them.
const std::vector<MenuItem>& MenuBarItems();
// The popup menu of the views ("mnuPropertyMethod") and its items.
const std::vector<MenuItem>& PopupMenuItems();
inline constexpr std::string_view kPopupMenu = "mnuPropertyMethod";

struct ToolbarButton {
    std::string_view Key;
    std::string_view ToolTip;
    // The image of the window's image list.
    std::string_view Image;
};

const std::vector<ToolbarButton>& ToolbarButtons();

}  // namespace builder
