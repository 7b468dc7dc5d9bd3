#include "tests/support/FormGeometryCheck.h"

#include <sstream>

namespace testing_support {
namespace {

constexpr long kComboBoxHeight = 315;
constexpr long kBarHeight = 300;

struct Control {
    std::string kind, name;
    long left = 0, top = 0, width = 0, height = -1;
    bool aligned = false;  // docked to an edge: as wide or as high as the form at run time
    std::vector<Control> children;
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The controls after line `at` up to the container's "End"; menus and BeginProperty blocks are passed over.
void Read(const std::vector<std::string>& lines, std::size_t& at, Control& container, bool& menus) {
    int blocks = 0;
    std::string index;
    while (++at < lines.size()) {
        const std::string& line = lines[at];
        const auto equals = line.find('=');
        const std::string key = Trimmed(line.substr(0, equals));
        if (line.starts_with("BeginProperty") || line == "EndProperty") {
            blocks += line == "EndProperty" ? -1 : 1;
        } else if (blocks > 0 || equals == std::string::npos) {
            if (line == "End" && blocks == 0)
                break;
            if (blocks == 0 && line.starts_with("Begin ")) {
                Control child;
                std::istringstream(line.substr(6)) >> child.kind >> child.name;
                Read(lines, at, child, menus);
                menus = menus || child.kind == "VB.Menu";
                if (child.kind != "VB.Menu")
                    container.children.push_back(std::move(child));
            }
        } else {
            const std::string value = Trimmed(line.substr(equals + 1));
            for (auto [name, field] : {std::pair{"Left", &container.left},
                                       {"Top", &container.top},
                                       {"Width", &container.width},
                                       {"Height", &container.height},
                                       {"ClientWidth", &container.width},
                                       {"ClientHeight", &container.height}}) {
                if (key == name)
                    *field = std::stol(value);
            }
            index = key == "Index" ? value : index;
            container.aligned = container.aligned || (key == "Align" && !value.starts_with("0"));
        }
    }
    if (container.height < 0)
        container.height = container.kind == "VB.ComboBox" ? kComboBoxHeight : 0;
    if (!index.empty())
        container.name += "(" + index + ")";
}

void Check(const Control& container, std::vector<std::string>& faults) {
    const auto& children = container.children;
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Control& a = children[i];
        if (!a.aligned && (a.left < 0 || a.top < 0 || a.left + a.width > container.width ||
                           a.top + a.height > container.height))
            faults.push_back(a.name + " passes " + container.name);
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            const Control& b = children[j];
            if (a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
                b.top < a.top + a.height)
                faults.push_back(a.name + " overlaps " + b.name);
        }
        Check(a, faults);
    }
}

}  // namespace

std::vector<std::string> CheckFormGeometry(std::string_view frm) {
    std::vector<std::string> lines;
    std::istringstream text{std::string(frm)};
    for (std::string line; std::getline(text, line);)
        lines.push_back(Trimmed(line));
    Control form;
    form.name = "the form";
    bool menus = false;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (lines[at].starts_with("Begin VB.Form"))
            Read(lines, at, form, menus);
        if (lines[at].starts_with("Me.Width ="))
            form.width = std::stol(lines[at].substr(10));
        if (lines[at].starts_with("Me.Height ="))
            form.height = std::stol(lines[at].substr(11)) - kBarHeight - (menus ? kBarHeight : 0);
    }
    std::vector<std::string> faults;
    Check(form, faults);
    return faults;
}

}  // namespace testing_support
