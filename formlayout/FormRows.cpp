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

FormRow OptionRow(const typelib::IProperty& property, const SizeSet& sizes) {
    const std::vector<OptionButtonValue> values = OptionButtonValues(property);
    return {FormRow::Kind::Options, 0, 0, CountOf(values.size()), GroupButtonWidth(values, sizes)};
}

// From the label column's left edge: the label column, a margin, the search row's operator combo box and a
// margin, and the data control.
FormRow RowOf(const FormControl& control, const typelib::IProperty& property, Twips labelWidth,
              const SizeSet& sizes) {
    if (control.row == RowKind::OptionGroup)
        return OptionRow(property, sizes);
    const Twips dataWidth = DataControlWidth(control, property, sizes);
    Twips width = ControlColumnLeft(0, labelWidth, sizes);
    if (!control.operatorCombo.empty())
        width = width + SearchOperatorWidth(sizes) + sizes.horzSpace;
    return Fixed(width + dataWidth, sizes.*control.height);
}

FormRow RowOf(RowsOf form, const typelib::IProperty& property, Twips labelWidth, const SizeSet& sizes) {
    if (form == RowsOf::SearchForm)
        return RowOf(kSearchRow, property, labelWidth, sizes);
    const FormControl* control = DetailFormControl(property);
    return control ? RowOf(*control, property, labelWidth, sizes) : FormRow{};
}

}  // namespace

Twips SearchOperatorWidth(const SizeSet& sizes) {
    return Twips(sizes.cmbCtlWidth) + kSearchOperatorExtraWidth;
}

Twips DataControlWidth(const FormControl& control, const typelib::IProperty& property, const SizeSet& sizes) {
    const Twips width = sizes.*control.width;
    switch (control.widthRule) {
        case DataWidth::Fixed:
            return width;
        case DataWidth::LongestValue:
            break;
        case DataWidth::WithLabel:
            return width + CountOf(static_cast<std::size_t>(vb::Len(vb::Trim(property.Label())))) *
                               sizes.txtCtlWidthPerChar;
    }
    if (!property.IsPVList())
        return width;
    Twips longest = LongestPermittedValue(property) * sizes.txtCtlWidthPerChar;
    if (control.beside)
        longest = longest + sizes.*control.beside;
    return std::max(longest, width);
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

RowMeasure MeasureRow(const FormRow& row, const RowPlace& place, Twips labelWidth, const SizeSet& sizes) {
    switch (row.kind) {
        case FormRow::Kind::Nothing:
            return {0, 0};
        case FormRow::Kind::Fixed:
            return {RowEdge(place.left, row.width, sizes), row.height + sizes.vertSpace};
        case FormRow::Kind::Options:
            break;
    }
    const Twips groupLeft = ControlColumnLeft(place.left, labelWidth, sizes);
    const OptionGrid grid =
        PlanOptionGrid(row.options, row.optionWidth, RoomRight(place.right, groupLeft, sizes),
                       RoomBelow(place.bottom, place.top, sizes), sizes);
    return {RowEdge(groupLeft, OptionFrameWidth(grid, row.optionWidth, sizes), sizes),
            OptionFrameHeight(grid, sizes) + sizes.vertSpace};
}

Twips LongestLabel(const Properties& properties) {
    int32_t longest = 0;
    for (const auto& property : properties)
        longest = std::max(longest, vb::Len(vb::Required(property).Label()));
    return static_cast<int16_t>(std::min<int32_t>(longest, INT16_MAX));
}

std::vector<FormRow> PropertyRows(RowsOf form, const Properties& properties, Twips labelWidth,
                                  const SizeSet& sizes) {
    std::vector<FormRow> rows;
    rows.reserve(properties.size());
    for (const auto& property : properties)
        rows.push_back(RowOf(form, vb::Required(property), labelWidth, sizes));
    return rows;
}

}  // namespace formlayout
