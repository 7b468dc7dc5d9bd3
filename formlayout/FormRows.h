#pragma once
// The rows of a search or detail form as the layout places them: how far right each reaches and how far
// down it moves the next, from the property and the size set in force. The form patterns' row placers
// size their controls by these, and the column flow measures the rows with them before placing any.

#include <memory>
#include <vector>

#include "formlayout/FormControls.h"
#include "formlayout/OptionButtonValues.h"
#include "formlayout/SizeSets.h"
#include "formlayout/Twips.h"
#include "typelib/IProperty.h"

namespace formlayout {

// The search row's operator combo box: wider than a combo box of the set by this much.
inline constexpr int16_t kSearchOperatorExtraWidth = 400;
Twips SearchOperatorWidth(const SizeSet& sizes);

// The data control of `control`'s row for the property, as wide as its width rule says.
Twips DataControlWidth(const FormControl& control, const typelib::IProperty& property, const SizeSet& sizes);

// An option group's buttons are as wide as the longest caption of its values.
Twips GroupButtonWidth(const std::vector<OptionButtonValue>& values, const SizeSet& sizes);

// An option group's buttons in a grid of the room right of and below its frame's corner: as many columns
// as fit, and rows for the rest; `cut` when not all of them fit, then only those that do are shown.
struct OptionGrid {
    Twips count;
    Twips columns;
    Twips rows;
    bool cut;
};
OptionGrid PlanOptionGrid(Twips count, Twips optionWidth, Twips roomRight, Twips roomBelow,
                          const SizeSet& sizes);
// The frame around a grid of buttons `optionWidth` wide.
Twips OptionFrameWidth(const OptionGrid& grid, Twips optionWidth, const SizeSet& sizes);
Twips OptionFrameHeight(const OptionGrid& grid, const SizeSet& sizes);

// One property's row, measured once: either controls of a fixed extent right of the label column's left
// edge, an option group that fits its grid to where it stands, or nothing.
struct FormRow {
    enum class Kind { Nothing, Fixed, Options };
    Kind kind = Kind::Nothing;
    Twips width;        // Fixed: from the label column's left edge to the row's right edge
    Twips height;       // Fixed: the row's height
    Twips options;      // Options: how many buttons
    Twips optionWidth;  // Options: each button's width
};

// Where a row stands: its label column's left edge and its top, and the column's right limit and the
// form's bottom, which an option group fits its buttons into.
struct RowPlace {
    Twips left, top, right, bottom;
};

// A row measured there: `need`, the form width its right edge and a margin reach (0 for nothing), and
// `advance`, how far below its top the next row stands.
struct RowMeasure {
    Twips need;
    Twips advance;
};
RowMeasure MeasureRow(const FormRow& row, const RowPlace& place, Twips labelWidth, const SizeSet& sizes);

using Properties = std::vector<std::shared_ptr<typelib::IProperty>>;

// The longest label of the rows, in characters (at most INT16_MAX): the label column is as wide.
Twips LongestLabel(const Properties& properties);

// The rows of a search form (a search row each) or of a detail form (each by its ControlType's row of the
// control table; nothing for a property the detail form leaves out).
enum class RowsOf { SearchForm, DetailForm };
std::vector<FormRow> PropertyRows(RowsOf form, const Properties& properties, Twips labelWidth,
                                  const SizeSet& sizes);

}  // namespace formlayout
