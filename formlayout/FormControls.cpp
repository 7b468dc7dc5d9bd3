#include "formlayout/FormControls.h"

#include <algorithm>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace formlayout {
namespace {

constexpr FormControl kTextBox{.kind = ControlKind::TextBox,
                               .controlType = "TextBox",
                               .label = kLabelPrefix,
                               .prefix = kTextBoxPrefix,
                               .row = RowKind::TextRow,
                               .width = &SizeSet::txtCtlWidth,
                               .height = &SizeSet::txtCtlHeight};
// The drop-down button beside the longest value.
constexpr FormControl kComboBox{.kind = ControlKind::ComboBox,
                                .controlType = "ComboBox",
                                .label = kLabelPrefix,
                                .prefix = kComboBoxPrefix,
                                .row = RowKind::LowerRow,
                                .widthRule = DataWidth::LongestValue,
                                .width = &SizeSet::txtCtlWidth,
                                .beside = &SizeSet::cmbCtlWidth,
                                .height = &SizeSet::txtCtlHeight,
                                .values = ShownValues::ListItems};
constexpr FormControl kListBox{.kind = ControlKind::ListBox,
                               .controlType = "ListBox",
                               .label = kLabelPrefix,
                               .prefix = kListBoxPrefix,
                               .noneFor = {"Memo", "OLE Object"},
                               .row = RowKind::LowerRow,
                               .widthRule = DataWidth::LongestValue,
                               .width = &SizeSet::txtCtlWidth,
                               .height = &SizeSet::lstbxHeight,
                               .values = ShownValues::ListItems};
constexpr FormControl kRichTextBox{.kind = ControlKind::RichTextBox,
                                   .controlType = "RichTextBox",
                                   .label = kLabelPrefix,
                                   .prefix = kRichTextBoxPrefix,
                                   .noneFor = {"OLE Object"},
                                   .row = RowKind::LowerRow,
                                   .width = &SizeSet::rtxtCtlWidth,
                                   .height = &SizeSet::rtxtCtlHeight};
constexpr FormControl kCheckBox{.kind = ControlKind::CheckBox,
                                .controlType = "CheckBox",
                                .prefix = kCheckBoxPrefix,
                                .row = RowKind::CheckBox,
                                .widthRule = DataWidth::WithLabel,
                                .width = &SizeSet::chkCtlWidth,
                                .height = &SizeSet::txtCtlHeight};
// The frame stands for the property: the layout puts the buttons into it by its name.
constexpr FormControl kOptionButton{.kind = ControlKind::OptionButton,
                                    .controlType = "OptionButton",
                                    .prefix = kFramePrefix,
                                    .buttons = kOptionButtonPrefix,
                                    .row = RowKind::OptionGroup,
                                    .values = ShownValues::Captions};

}  // namespace

const FormControl& DetailControl(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
            return kTextBox;
        case ControlKind::ComboBox:
            return kComboBox;
        case ControlKind::ListBox:
            return kListBox;
        case ControlKind::RichTextBox:
            return kRichTextBox;
        case ControlKind::CheckBox:
            return kCheckBox;
        case ControlKind::OptionButton:
            return kOptionButton;
    }
    vb::Raise(vb::kInvalidProcedureCall);
}

const FormControl* ControlOfType(std::string_view controlType) {
    for (const ControlKind kind : kControlKinds) {
        if (DetailControl(kind).controlType == controlType)
            return &DetailControl(kind);
    }
    return nullptr;
}

bool MakesControlFor(const FormControl& control, std::string_view dataType) {
    return std::ranges::none_of(control.noneFor,
                                [&](std::string_view none) { return !none.empty() && none == dataType; });
}

const FormControl* ControlOf(const typelib::IProperty& property) {
    const FormControl* control = ControlOfType(property.ControlType());
    return control && MakesControlFor(*control, property.DataType()) ? control : nullptr;
}

std::vector<std::string_view> RowControlPrefixes() {
    std::vector<std::string_view> prefixes;
    const auto add = [&](std::string_view prefix) {
        if (!prefix.empty() && std::ranges::find(prefixes, prefix) == prefixes.end())
            prefixes.push_back(prefix);
    };
    const auto addRow = [&](const FormControl& control) {
        add(control.label);
        add(control.operatorCombo);
        if (control.row != RowKind::OptionGroup)
            add(control.prefix);
        add(control.buttons);
    };
    for (const ControlKind kind : kControlKinds)
        addRow(DetailControl(kind));
    addRow(kSearchRow);
    return prefixes;
}

std::string RowControlName(std::string_view prefix, const typelib::IProperty& property,
                           std::string_view suffix) {
    return std::string(prefix) + vb::Trim(property.Name()) + std::string(suffix);
}

std::string OptionButtonHead(std::string_view propertyName) {
    return std::string(kOptionButton.buttons) + std::string(propertyName) + "_";
}

}  // namespace formlayout
