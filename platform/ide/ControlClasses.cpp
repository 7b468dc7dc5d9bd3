#include "platform/ide/ControlClasses.h"

#include <array>

#include "platform/vb/Text.h"

namespace vbide {
namespace {

using T = PropertyType;

// Every property list starts with what all placed controls have.
#define OSTREL_PLACED_PROPERTIES                                                                          \
    {"Index", T::Integer}, {"Height", T::Single}, {"Left", T::Single}, {"Top", T::Single},                \
        {"Width", T::Single}, {"TabIndex", T::Integer}, {"Enabled", T::Boolean}, {"Visible", T::Boolean}, \
        {"Tag", T::String}, {                                                                             \
        "ToolTipText", T::String                                                                          \
    }

constexpr PropertySpec kPlaced[] = {OSTREL_PLACED_PROPERTIES};
constexpr PropertySpec kLabel[] = {OSTREL_PLACED_PROPERTIES,
                                   {"Caption", T::String},
                                   {"Alignment", T::Integer},
                                   {"AutoSize", T::Boolean},
                                   {"BorderStyle", T::Integer}};
constexpr PropertySpec kTextBox[] = {OSTREL_PLACED_PROPERTIES,    {"Text", T::String},
                                     {"Alignment", T::Integer},   {"Locked", T::Boolean},
                                     {"MultiLine", T::Boolean},   {"MaxLength", T::Long},
                                     {"PasswordChar", T::String}, {"ScrollBars", T::Integer}};
constexpr PropertySpec kComboBox[] = {
    OSTREL_PLACED_PROPERTIES, {"Text", T::String}, {"Style", T::Integer}, {"Sorted", T::Boolean}};
constexpr PropertySpec kListBox[] = {
    OSTREL_PLACED_PROPERTIES, {"Style", T::Integer}, {"Sorted", T::Boolean}, {"MultiSelect", T::Integer}};
constexpr PropertySpec kCheckBox[] = {OSTREL_PLACED_PROPERTIES,
                                      {"Caption", T::String},
                                      {"Alignment", T::Integer},
                                      {"Value", T::Integer},
                                      {"Style", T::Integer}};
constexpr PropertySpec kOptionButton[] = {OSTREL_PLACED_PROPERTIES,
                                          {"Caption", T::String},
                                          {"Alignment", T::Integer},
                                          {"Value", T::Boolean},
                                          {"Style", T::Integer}};
constexpr PropertySpec kCommandButton[] = {OSTREL_PLACED_PROPERTIES,
                                           {"Caption", T::String},
                                           {"Default", T::Boolean},
                                           {"Cancel", T::Boolean},
                                           {"Style", T::Integer}};
constexpr PropertySpec kFrame[] = {
    OSTREL_PLACED_PROPERTIES, {"Caption", T::String}, {"BorderStyle", T::Integer}};
constexpr PropertySpec kListView[] = {OSTREL_PLACED_PROPERTIES,    {"View", T::Long},
                                      {"LabelEdit", T::Long},      {"Sorted", T::Boolean},
                                      {"MultiSelect", T::Boolean}, {"HideSelection", T::Boolean},
                                      {"Arrange", T::Long}};
constexpr PropertySpec kRichTextBox[] = {OSTREL_PLACED_PROPERTIES,  {"Text", T::String},
                                         {"MultiLine", T::Boolean}, {"Locked", T::Boolean},
                                         {"ScrollBars", T::Long},   {"MaxLength", T::Long}};
constexpr PropertySpec kForm[] = {{"Caption", T::String},
                                  {"ClientHeight", T::Single},
                                  {"ClientLeft", T::Single},
                                  {"ClientTop", T::Single},
                                  {"ClientWidth", T::Single},
                                  {"Height", T::Single},
                                  {"Left", T::Single},
                                  {"Top", T::Single},
                                  {"Width", T::Single},
                                  {"LinkTopic", T::String},
                                  {"ScaleHeight", T::Single},
                                  {"ScaleWidth", T::Single},
                                  {"StartUpPosition", T::Integer},
                                  {"BorderStyle", T::Integer},
                                  {"ControlBox", T::Boolean},
                                  {"MaxButton", T::Boolean},
                                  {"MinButton", T::Boolean},
                                  {"ShowInTaskbar", T::Boolean},
                                  {"Enabled", T::Boolean},
                                  {"Tag", T::String}};
constexpr PropertySpec kMenu[] = {
    {"Index", T::Integer},   {"Caption", T::String},     {"Checked", T::Boolean}, {"Enabled", T::Boolean},
    {"Visible", T::Boolean}, {"WindowList", T::Boolean}, {"Tag", T::String},      {"HelpContextID", T::Long}};
constexpr PropertySpec kClassHeader[] = {{"MultiUse", T::Boolean},
                                         {"Persistable", T::Integer},
                                         {"DataBindingBehavior", T::Integer},
                                         {"DataSourceBehavior", T::Integer},
                                         {"MTSTransactionMode", T::Integer}};

#undef OSTREL_PLACED_PROPERTIES

const ObjectLibrary kCommonControls{"{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.3#0", "COMCTL32.OCX"};
const ObjectLibrary kRichTextControl{"{3B7C8863-D78F-101B-B9B5-04021C009402}#1.2#0", "RICHTX32.OCX"};

const std::array kClasses = {
    ControlClass{"TextBox", "VB.TextBox", "Text", "Text", nullptr, kTextBox},
    ControlClass{"Label", "VB.Label", "Label", "Caption", nullptr, kLabel},
    ControlClass{"ComboBox", "VB.ComboBox", "Combo", "Text", nullptr, kComboBox},
    ControlClass{"CheckBox", "VB.CheckBox", "Check", "Caption", nullptr, kCheckBox},
    ControlClass{"OptionButton", "VB.OptionButton", "Option", "Caption", nullptr, kOptionButton},
    ControlClass{"CommandButton", "VB.CommandButton", "Command", "Caption", nullptr, kCommandButton},
    ControlClass{"Frame", "VB.Frame", "Frame", "Caption", nullptr, kFrame},
    ControlClass{"ListBox", "VB.ListBox", "List", "", nullptr, kListBox},
    ControlClass{"ComctlLib.ListView", "ComctlLib.ListView", "ListView", "", &kCommonControls, kListView},
    ControlClass{"RichTextLib.RichTextBox", "RichTextLib.RichTextBox", "RichTextBox", "Text",
                 &kRichTextControl, kRichTextBox},
};

}  // namespace

const ControlClass* ControlClassForProgId(std::string_view progId) {
    for (const ControlClass& control : kClasses) {
        if (vb::TextEquals(control.progId, progId) || vb::TextEquals(control.className, progId))
            return &control;
    }
    return nullptr;
}

std::span<const PropertySpec> PropertiesOfClass(std::string_view className) {
    if (vb::TextEquals(className, kFormClass))
        return kForm;
    if (vb::TextEquals(className, kMenuClass))
        return kMenu;
    for (const ControlClass& control : kClasses) {
        if (vb::TextEquals(control.className, className))
            return control.properties;
    }
    return kPlaced;
}

std::span<const PropertySpec> ClassHeaderProperties() {
    return kClassHeader;
}

}  // namespace vbide
