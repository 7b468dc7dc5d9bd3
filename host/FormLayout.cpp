#include "host/FormLayout.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace host {
namespace {

// A form drawn larger would not fit any screen; a damaged file's sizes stop here.
constexpr int kLargestPicture = 4000;
constexpr int kComboBoxPixels = 21;

struct ClassLook {
    const char* className;
    ControlLook look;
};
constexpr ClassLook kLooks[] = {
    {"VB.CommandButton", ControlLook::Button},     {"VB.Frame", ControlLook::Frame},
    {"ComctlLib.ListView", ControlLook::ListView}, {"VB.Label", ControlLook::Label},
    {"VB.TextBox", ControlLook::TextBox},          {"RichTextLib.RichTextBox", ControlLook::TextBox},
    {"VB.CheckBox", ControlLook::CheckBox},        {"VB.OptionButton", ControlLook::OptionButton},
    {"VB.ComboBox", ControlLook::ComboBox},        {"VB.ListBox", ControlLook::ListBox},
    {"ComctlLib.Toolbar", ControlLook::Toolbar},
};

ControlLook LookOf(const std::string& className) {
    for (const ClassLook& entry : kLooks) {
        if (vb::TextEquals(entry.className, className))
            return entry.look;
    }
    return ControlLook::Other;
}

// A numeric property; what is missing or no number counts 0.
double Number(const vbide::PropertyBag& bag, const char* name) {
    if (!bag.Has(name))
        return 0.0;
    try {
        const vb::Variant value = bag.Value(name);
        const double number = value.IsNumeric() ? value.ToDouble() : 0.0;
        return std::isfinite(number) ? std::clamp(number, -1e7, 1e7) : 0.0;
    } catch (const vb::Error&) {
        return 0.0;
    }
}

// A numeric property in twips, as pixels.
int Pixels(const vbide::PropertyBag& bag, const char* name) {
    return static_cast<int>(Number(bag, name) / kTwipsPerPixel);
}

std::string Text(const vbide::PropertyBag& bag, const char* name) {
    if (!bag.Has(name))
        return {};
    try {
        return bag.Value(name).ToString();
    } catch (const vb::Error&) {
        return {};
    }
}

// The captions of a toolbar's "Buttons" group, button by button.
std::vector<std::string> ButtonCaptions(const vbide::PropertyBag& bag) {
    std::vector<std::string> captions;
    for (const auto& placed : bag.Groups()) {
        if (!vb::TextEquals(placed.group.name, "Buttons"))
            continue;
        for (const auto& button : placed.group.children) {
            if (!button.isGroup)
                continue;
            std::string caption;
            for (const auto& line : button.children) {
                if (!line.isGroup && vb::TextEquals(line.name, "Caption"))
                    vbide::UnquoteText(line.text, caption);
            }
            captions.push_back(caption);
        }
    }
    return captions;
}

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

class Layout {
  public:
    explicit Layout(const vbide::FormDesigner& designer) {
        for (const auto& control : designer.VBControls()) {
            if (control->IsMenu())
                continue;
            mPlaced.insert(control.get());
        }
        for (const auto& control : designer.VBControls()) {
            if (!mPlaced.contains(control.get()))
                continue;
            const auto container = control->Container();
            const bool nested = container && mPlaced.contains(container.get());
            mChildren[nested ? container.get() : nullptr].push_back(control.get());
        }
    }

    // Every control, each frame's children after it; what a broken container chain leaves over goes to
    // the top level.
    std::vector<PlacedControl> PlaceAll(const PixelRect& form, const vbide::FormDesigner& designer) {
        std::vector<PlacedControl> out;
        PlaceChildren(nullptr, 0, 0, form, 0, out);
        for (const auto& control : designer.VBControls()) {
            if (mPlaced.contains(control.get()))
                PlaceOne(*control, 0, 0, form, 0, out);
        }
        return out;
    }

  private:
    void PlaceChildren(const vbide::VBControl* container, int left, int top, const PixelRect& clip, int depth,
                       std::vector<PlacedControl>& out) {
        const auto found = mChildren.find(container);
        if (found == mChildren.end())
            return;
        for (const vbide::VBControl* control : found->second) {
            if (mPlaced.contains(control))
                PlaceOne(*control, left, top, clip, depth, out);
        }
    }

    // Positions are measured from (left, top), the container's corner; `clip` is what stays visible of it.
    void PlaceOne(const vbide::VBControl& control, int left, int top, const PixelRect& clip, int depth,
                  std::vector<PlacedControl>& out) {
        mPlaced.erase(&control);
        const auto& bag = control.Bag();
        PlacedControl placed{control.Name(), LookOf(control.ClassName()), {}, {}, clip, depth, {}, 0};
        // A drop-down list shows no text until a person chooses an entry.
        if (!control.IsDropDownList())
            placed.caption = bag.Has("Caption") ? Text(bag, "Caption") : Text(bag, "Text");
        if (placed.look == ControlLook::Toolbar)
            placed.buttons = ButtonCaptions(bag);
        if (placed.look == ControlLook::Label)
            placed.alignment = static_cast<int>(std::clamp(Number(bag, "Alignment"), 0.0, 2.0));
        placed.rect = {left + Pixels(bag, "Left"), top + Pixels(bag, "Top"), Pixels(bag, "Width"),
                       Pixels(bag, "Height")};
        // A combo box is as high as its font makes it; the file need not say.
        if (placed.look == ControlLook::ComboBox && placed.rect.height <= 0)
            placed.rect.height = kComboBoxPixels;
        out.push_back(placed);
        PlaceChildren(&control, placed.rect.left, placed.rect.top, Intersect(clip, placed.rect), depth + 1,
                      out);
    }

    std::unordered_map<const vbide::VBControl*, std::vector<const vbide::VBControl*>> mChildren;
    std::unordered_set<const vbide::VBControl*> mPlaced;
};

}  // namespace

FormPicture LayOutForm(const vbide::FormDesigner& designer) {
    const auto& form = designer.FormProperties();
    FormPicture picture;
    picture.caption = Text(form, "Caption");
    picture.width = Pixels(form, "ClientWidth");
    picture.height = Pixels(form, "ClientHeight");
    if (picture.width <= 0 || picture.height <= 0) {
        picture.width = Pixels(form, "Width");
        picture.height = Pixels(form, "Height");
    }
    for (const auto& control : designer.VBControls()) {
        if (!control->IsMenu())
            continue;
        const auto container = control->Container();
        if (!container || !container->IsMenu())
            picture.menuBar.push_back(Text(control->Bag(), "Caption"));
    }
    // The patterns place controls without sizing the designer: the form reaches as far as they do.
    std::vector<PlacedControl> controls = Layout(designer).PlaceAll({0, 0, 0, 0}, designer);
    for (const PlacedControl& control : controls) {
        if (control.depth != 0)
            continue;
        picture.width = std::max(picture.width, control.rect.left + control.rect.width);
        picture.height = std::max(picture.height, control.rect.top + control.rect.height);
    }
    picture.width = std::clamp(picture.width, 0, kLargestPicture);
    picture.height = std::clamp(picture.height, 0, kLargestPicture);
    picture.controls = Layout(designer).PlaceAll({0, 0, picture.width, picture.height}, designer);
    return picture;
}

}  // namespace host
