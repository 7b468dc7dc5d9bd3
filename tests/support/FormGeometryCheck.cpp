#include "tests/support/FormGeometryCheck.h"

#include <memory>
#include <sstream>

namespace testing_support {
namespace {

constexpr long kComboBoxHeight = 315;
constexpr long kBarHeight = 300;

struct Control {
    std::string name;
    std::string kind;
    long left = 0, top = 0, width = 0, height = 0;
    bool aligned = false;  // docked to an edge: as wide or as high as the form at run time
    std::vector<std::unique_ptr<Control>> children;
};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

// "Begin VB.Label lblName" and the property lines up to its "End"; BeginProperty blocks are skipped.
class FrmReader {
  public:
    explicit FrmReader(std::string_view text) {
        std::istringstream lines{std::string(text)};
        for (std::string line; std::getline(lines, line);)
            mLines.push_back(Trimmed(line));
    }

    // The form, its controls nested as they stand; the form's size from its code.
    Control ReadForm(bool& menus) {
        Control form;
        menus = false;
        for (; mAt < mLines.size(); ++mAt) {
            if (mLines[mAt].starts_with("Begin VB.Form")) {
                ++mAt;
                ReadBody(form, menus);
                break;
            }
        }
        for (const std::string& line : mLines) {
            form.width = line.starts_with("Me.Width =") ? Number(line) : form.width;
            form.height = line.starts_with("Me.Height =") ? Number(line) : form.height;
        }
        form.name = "the form";
        form.height -= kBarHeight + (menus ? kBarHeight : 0);
        return form;
    }

  private:
    static long Number(const std::string& line) { return std::stol(line.substr(line.find('=') + 1)); }

    void ReadBody(Control& control, bool& menus) {
        std::string index;
        bool heightSet = false;
        for (; mAt < mLines.size(); ++mAt) {
            const std::string& line = mLines[mAt];
            if (line == "End")
                break;
            if (line.starts_with("BeginProperty")) {
                SkipProperty();
            } else if (line.starts_with("Begin ")) {
                std::istringstream words(line.substr(6));
                auto child = std::make_unique<Control>();
                words >> child->kind >> child->name;
                ++mAt;
                if (child->kind == "VB.Menu") {
                    menus = true;
                    Control ignored;
                    bool inner = false;
                    ReadBody(ignored, inner);
                } else {
                    ReadBody(*child, menus);
                    control.children.push_back(std::move(child));
                }
            } else if (const auto equals = line.find('='); equals != std::string::npos) {
                const std::string key = Trimmed(line.substr(0, equals));
                const std::string value = Trimmed(line.substr(equals + 1));
                long* field = key == "Left"     ? &control.left
                              : key == "Top"    ? &control.top
                              : key == "Width"  ? &control.width
                              : key == "Height" ? &control.height
                                                : nullptr;
                if (field)
                    *field = std::stol(value);
                heightSet = heightSet || key == "Height";
                if (key == "Index")
                    index = value;
                control.aligned = control.aligned || (key == "Align" && !value.starts_with("0"));
            }
        }
        if (control.kind == "VB.ComboBox" && !heightSet)
            control.height = kComboBoxHeight;
        if (!index.empty())
            control.name += "(" + index + ")";
    }

    void SkipProperty() {
        int depth = 0;
        for (; mAt < mLines.size(); ++mAt) {
            depth += mLines[mAt].starts_with("BeginProperty") ? 1 : mLines[mAt] == "EndProperty" ? -1 : 0;
            if (depth == 0)
                return;
        }
    }

    std::vector<std::string> mLines;
    std::size_t mAt = 0;
};

bool Overlap(const Control& a, const Control& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

void CheckContainer(const Control& container, std::vector<std::string>& faults) {
    const auto& children = container.children;
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Control& child = *children[i];
        if (!child.aligned &&
            (child.left < 0 || child.top < 0 || child.left + child.width > container.width ||
             child.top + child.height > container.height))
            faults.push_back(child.name + " passes " + container.name);
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            if (Overlap(child, *children[j]))
                faults.push_back(child.name + " overlaps " + children[j]->name);
        }
        CheckContainer(child, faults);
    }
}

}  // namespace

std::vector<std::string> CheckFormGeometry(std::string_view frm) {
    bool menus = false;
    const Control form = FrmReader(frm).ReadForm(menus);
    std::vector<std::string> faults;
    CheckContainer(form, faults);
    return faults;
}

}  // namespace testing_support
