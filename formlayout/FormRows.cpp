#include "formlayout/FormRows.h"

#include <algorithm>
#include <string>

#include "formlayout/DetailRows.h"
#include "formlayout/FormRoom.h"
#include "formlayout/OptionButtonValues.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Object.h"
#include "platform/vb/Text.h"

namespace formlayout {
namespace {

// The longest permitted value, trimmed, in characters.
Twips LongestPermittedValue(const typelib::IProperty& property) {
    int32_t longest = 0;
    for (const auto& value : vb::Required(property.PermittedValues()))
        longest = std::max(longest, vb::Len(vb::Trim(value)));
    return CountOf(static_cast<std::size_t>(longest));
}

FormRow Fixed(Twips width, Twips height) {
    return {FormRow::Kind::Fixed, width, height, 0, 0};
}

// Label, a margin and the data control.
FormRow Labelled(Twips labelWidth, Twips dataWidth, Twips height, const SizeSet& sizes) {
    return Fixed(labelWidth + sizes.horzSpace + dataWidth, height);
}

FormRow OptionRow(const typelib::IProperty& property, const SizeSet& sizes) {
    const std::vector<OptionButtonValue> values = OptionButtonValues(property);
    return {FormRow::Kind::Options, 0, 0, CountOf(values.size()), GroupButtonWidth(values, sizes)};
}

FormRow DetailRow(const typelib::IProperty& property, Twips labelWidth, const SizeSet& sizes) {
    if (!IsDetailProperty(property))
        return {};
    const std::string controlType = property.ControlType();
    const std::string dataType = property.DataType();
    if (controlType == "OptionButton")
        return OptionRow(property, sizes);
    if (controlType == "TextBox")
        return Labelled(labelWidth, sizes.txtCtlWidth, sizes.txtCtlHeight, sizes);
    if (controlType == "ListBox" && dataType != "Memo" && dataType != "OLE Object")
        return Labelled(labelWidth, ListBoxWidth(property, sizes), sizes.lstbxHeight, sizes);
    if (controlType == "CheckBox")
        return Labelled(labelWidth, CheckBoxWidth(property, sizes), sizes.txtCtlHeight, sizes);
    if (controlType == "RichTextBox" && dataType != "OLE Object")
        return Labelled(labelWidth, sizes.rtxtCtlWidth, sizes.rtxtCtlHeight, sizes);
    if (controlType == "ComboBox")
        return Labelled(labelWidth, ComboBoxWidth(property, sizes), sizes.txtCtlHeight, sizes);
    return {};
}

}  // namespace

Twips SearchOperatorWidth(const SizeSet& sizes) {
    return Twips(sizes.cmbCtlWidth) + kSearchOperatorExtraWidth;
}

Twips ComboBoxWidth(const typelib::IProperty& property, const SizeSet& sizes) {
    const Twips width = sizes.txtCtlWidth;
    if (!property.IsPVList())
        return width;
    return std::max(LongestPermittedValue(property) * sizes.txtCtlWidthPerChar + sizes.cmbCtlWidth, width);
}

Twips ListBoxWidth(const typelib::IProperty& property, const SizeSet& sizes) {
    const Twips width = sizes.txtCtlWidth;
    if (!property.IsPVList())
        return width;
    return std::max(LongestPermittedValue(property) * sizes.txtCtlWidthPerChar, width);
}

Twips CheckBoxWidth(const typelib::IProperty& property, const SizeSet& sizes) {
    return Twips(sizes.chkCtlWidth) +
           CountOf(static_cast<std::size_t>(vb::Len(vb::Trim(property.Label())))) * sizes.txtCtlWidthPerChar;
}

Twips GroupButtonWidth(const std::vector<OptionButtonValue>& values, const SizeSet& sizes) {
    int32_t longest = 0;
    for (const auto& value : values)
        longest = std::max(longest, vb::Len(value.caption));
    return OptionButtonWidth(CountOf(static_cast<std::size_t>(longest)), sizes);
}

OptionGrid PlanOptionGrid(Twips count, Twips optionWidth, Twips roomRight, Twips roomBelow,
                          const SizeSet& sizes) {
    const Twips rowsThatFit = OptionRowsThatFit(roomBelow, sizes);
    const Twips columnsThatFit = OptionColumnsThatFit(roomRight, optionWidth, sizes);
    if (count > columnsThatFit * rowsThatFit)
        return {columnsThatFit * rowsThatFit, columnsThatFit, rowsThatFit, true};
    if (count == 0 || count < columnsThatFit)
        return {count, count, 1, false};
    const Twips fullRows = vb::IntegerDivide(count.value(), columnsThatFit.value());
    const bool even = fullRows * columnsThatFit == count;
    return {count, columnsThatFit, even ? fullRows : fullRows + 1, false};
}

Twips OptionFrameWidth(const OptionGrid& grid, Twips optionWidth, const SizeSet& sizes) {
    const Twips horz = sizes.horzSpace;
    return (horz + optionWidth) * grid.columns + horz;
}

Twips OptionFrameHeight(const OptionGrid& grid, const SizeSet& sizes) {
    const Twips vert = sizes.vertSpace;
    return (Twips(sizes.optCtlHeight) + vert) * grid.rows + vert;
}

RowTake TakeRow(const FormRow& row, const RowPlace& place, Twips labelWidth, const SizeSet& sizes) {
    const Twips horz = sizes.horzSpace;
    switch (row.kind) {
        case FormRow::Kind::Nothing:
            return {0, 0};
        case FormRow::Kind::Fixed:
            return {place.left + row.width + horz, row.height + sizes.vertSpace};
        case FormRow::Kind::Options:
            break;
    }
    const Twips groupLeft = place.left + labelWidth + horz;
    const OptionGrid grid =
        PlanOptionGrid(row.options, row.optionWidth, RoomRight(place.right, groupLeft, sizes),
                       RoomBelow(place.bottom, place.top, sizes), sizes);
    return {groupLeft + OptionFrameWidth(grid, row.optionWidth, sizes) + horz,
            OptionFrameHeight(grid, sizes) + sizes.vertSpace};
}

Twips LongestLabel(const Properties& properties) {
    int32_t longest = 0;
    for (const auto& property : properties)
        longest = std::max(longest, vb::Len(vb::Required(property).Label()));
    return static_cast<int16_t>(std::min<int32_t>(longest, INT16_MAX));
}

std::vector<FormRow> SearchFormRows(const Properties& search, Twips labelWidth, const SizeSet& sizes) {
    const Twips horz = sizes.horzSpace;
    const FormRow row =
        Fixed(labelWidth + horz + SearchOperatorWidth(sizes) + horz + sizes.txtCtlWidth, sizes.txtCtlHeight);
    return std::vector<FormRow>(search.size(), row);
}

std::vector<FormRow> DetailFormRows(const Properties& detail, Twips labelWidth, const SizeSet& sizes) {
    std::vector<FormRow> rows;
    rows.reserve(detail.size());
    for (const auto& property : detail)
        rows.push_back(DetailRow(vb::Required(property), labelWidth, sizes));
    return rows;
}

}  // namespace formlayout
