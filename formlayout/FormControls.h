#pragma once
// The controls of a form's property rows: one row of this table for each control type a property's
// ControlType names, and one for the search form's row. A row says which controls it makes and the
// prefixes of their names, the data types it makes none for, how large its data control is in a size
// set, how it stands on the form and which permitted values it shows. The layout that places the rows,
// the check before a build that measures them, the count of a form's control names and the form
// patterns' code all read it, so that a change to a row changes them together.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formlayout/SizeSets.h"
#include "typelib/IProperty.h"

namespace formlayout {

// A row's control is named prefix & the property's trimmed name; an option button & "_" & its value.
inline constexpr std::string_view kLabelPrefix = "lbl";
inline constexpr std::string_view kTextBoxPrefix = "txt";
inline constexpr std::string_view kComboBoxPrefix = "cmb";
inline constexpr std::string_view kListBoxPrefix = "lstbx";
inline constexpr std::string_view kRichTextBoxPrefix = "rtxt";
inline constexpr std::string_view kCheckBoxPrefix = "ckb";
inline constexpr std::string_view kFramePrefix = "Frame";
inline constexpr std::string_view kOptionButtonPrefix = "opt";

enum class ControlKind { TextBox, ComboBox, ListBox, RichTextBox, CheckBox, OptionButton };
// Every kind, in the order of the table.
inline constexpr ControlKind kControlKinds[] = {ControlKind::TextBox,  ControlKind::ComboBox,
                                                ControlKind::ListBox,  ControlKind::RichTextBox,
                                                ControlKind::CheckBox, ControlKind::OptionButton};

// How a row stands. Each keeps the label column: its label stands there, or its control right of it.
enum class RowKind {
    TextRow,      // a label and a text box; the form is as high as the row's top
    LowerRow,     // a label and a taller or wider control; the form reaches below the row
    CheckBox,     // a check box captioned with the label; the form reaches below the row
    OptionGroup,  // an option group's frame, its buttons in the grid that fits where it stands
};

// How wide the data control is: the size set's width; that width at least, and with a list as wide as
// the longest permitted value and `beside`; that width and the label's characters.
enum class DataWidth { Fixed, LongestValue, WithLabel };

// Which of the property's permitted values the row's controls show.
enum class ShownValues { None, ListItems, Captions };

struct FormControl {
    ControlKind kind;                              // of the data control
    std::string_view controlType = {};             // the ControlType that names it; none for the search row
    std::string_view label = {};                   // none: no label
    std::string_view operatorCombo = {};           // the search row's operator combo box
    std::string_view prefix = {};                  // the control that stands for the property
    std::string_view buttons = {};                 // an option group's buttons
    std::array<std::string_view, 2> noneFor = {};  // data types it makes no control for
    RowKind row;
    DataWidth widthRule = DataWidth::Fixed;
    int16_t SizeSet::*width = nullptr;
    int16_t SizeSet::*beside = nullptr;
    int16_t SizeSet::*height = nullptr;  // an option group's follows from its grid
    ShownValues values = ShownValues::None;
};

// The row of each control type.
const FormControl& DetailControl(ControlKind kind);

// The search form's row: a label, an operator combo box and a text box.
inline constexpr FormControl kSearchRow{.kind = ControlKind::TextBox,
                                        .label = kLabelPrefix,
                                        .operatorCombo = kComboBoxPrefix,
                                        .prefix = kTextBoxPrefix,
                                        .row = RowKind::TextRow,
                                        .width = &SizeSet::txtCtlWidth,
                                        .height = &SizeSet::txtCtlHeight};

// The row `controlType` names, compared exactly; null for any other text.
const FormControl* ControlOfType(std::string_view controlType);
bool MakesControlFor(const FormControl& control, std::string_view dataType);
// The row of the property's ControlType; null also when that row makes no control for its DataType.
const FormControl* ControlOf(const typelib::IProperty& property);

// The prefixes of every row's controls but an option group's frame, each once, in the table's order.
std::vector<std::string_view> RowControlPrefixes();

// The row's control of `prefix` for the property, `suffix` after its name.
std::string RowControlName(std::string_view prefix, const typelib::IProperty& property,
                           std::string_view suffix = {});

// An option button's name before its value: the buttons' prefix, `propertyName` and "_".
std::string OptionButtonHead(std::string_view propertyName);

}  // namespace formlayout
