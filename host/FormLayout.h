#pragma once
// A form designer's controls laid out for drawing: twips turned into pixels, positions inside a frame
// turned into positions on the form, each frame before what it holds.

#include <string>
#include <vector>

#include "platform/ide/FormDesigner.h"

namespace host {

inline constexpr double kTwipsPerPixel = 15.0;

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

enum class ControlLook {
    Button,
    Frame,
    ListView,
    Label,
    TextBox,
    CheckBox,
    OptionButton,
    ComboBox,
    ListBox,
    Toolbar,
    Other
};

struct PlacedControl {
    std::string name;
    ControlLook look = ControlLook::Other;
    std::string caption;               // the Caption or Text it shows
    PixelRect rect;                    // on the form
    PixelRect clip;                    // the part of the form its frames leave visible
    int depth = 0;                     // 0 at the form's top level
    std::vector<std::string> buttons;  // a toolbar's button captions, in order
    int alignment = 0;                 // a label's text: 0 left, 1 right, 2 centred
};

struct FormPicture {
    std::string caption;
    // The client area: the design size, or as far as the controls reach when they reach further.
    int width = 0, height = 0;
    std::vector<std::string> menuBar;  // the captions of the top-level menus, in order
    std::vector<PlacedControl> controls;
};

// Menus appear only as the menu bar; a control whose frame is not on the form is drawn at the top level.
FormPicture LayOutForm(const vbide::FormDesigner& designer);

}  // namespace host
