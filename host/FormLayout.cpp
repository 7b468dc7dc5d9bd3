#include "host/FormLayout.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace host {
namespace {

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
};

ControlLook LookOf(const std::string& className) {
    for (const ClassLook& entry : kLooks) {
        if (vb::TextEquals(entry.className, className))
            return entry.look;
    }
    return ControlLook::Other;
}

// A numeric property in pixels; what is missing or no number counts 0.
int Pixels(const vbide::PropertyBag& bag, const char* name) {
    if (!bag.Has(name))
        return 0;
    try {
        const vb::Variant value = bag.Value(name);
        const double twips = value.IsNumeric() ? value.ToDouble() : 0.0;
        return std::isfinite(twips) ? static_cast<int>(std::clamp(twips / kTwipsPerPixel, -1e6, 1e6)) : 0;
    } catch (const vb::Error&) {
        return 0;
    }
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
        PlacedControl placed{control.Name(), LookOf(control.ClassName()), {}, {}, clip, depth};
        placed.caption = bag.Has("Caption") ? Text(bag, "Caption") : Text(bag, "Text");
        placed.rect = {left + Pixels(bag, "Left"), top + Pixels(bag, "Top"), Pixels(bag, "Width"),
                       Pixels(bag, "Height")};
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
    picture.width = std::max(picture.width, 0);
    picture.height = std::max(picture.height, 0);
    picture.controls = Layout(designer).PlaceAll({0, 0, picture.width, picture.height}, designer);
    return picture;
}

}  // namespace host
