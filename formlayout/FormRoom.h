#pragma once
// Where a form of property rows has room: the columns its rows stand in and, right of a column's labels,
// the option buttons of a group. The form patterns lay out by these rules and the check before a build
// asks them, so that the check refuses what the layout could not place, and nothing else.

#include <cstddef>
#include <cstdint>

#include "formlayout/SizeSets.h"
#include "formlayout/Twips.h"

namespace formlayout {

// Where a new form's first control stands, from its top and from its left edge.
inline constexpr int16_t kFormMargin = 300;

// A form's rows in columns: one per twelve properties (counted before any are left out), the size set
// for that many columns, and the width of each, from the room right of where the first starts.
struct ColumnGeometry {
    Twips columns;
    Twips width;
    const SizeSet* sizes;
};
ColumnGeometry PlanColumns(std::size_t properties, Twips roomRight);

// The left edge and the right limit of column `column` (from 1); the first starts at `firstLeft` and
// alone on a form takes the size set's whole width.
struct ColumnEdges {
    Twips left;
    Twips right;
};
ColumnEdges EdgesOfColumn(const ColumnGeometry& plan, Twips column, Twips firstLeft);

// The label column: as wide as the longest label. Right of it and a margin, from a label column at
// `labelLeft`, stands a row's data control, or its check box or option group.
Twips LabelColumnWidth(Twips longestLabel, const SizeSet& sizes);
Twips ControlColumnLeft(Twips labelLeft, Twips labelWidth, const SizeSet& sizes);

// The form width that controls `width` wide from `left` need: their right edge and a margin.
Twips RowEdge(Twips left, Twips width, const SizeSet& sizes);

// What is left right of `left` up to `right`, and below `top` down to `bottom`, less a margin.
Twips RoomRight(Twips right, Twips left, const SizeSet& sizes);
Twips RoomBelow(Twips bottom, Twips top, const SizeSet& sizes);

// An option button as wide as the longest caption of its group, and how many of them fit beside and
// below each other in the room of the group; a group whose room is past the form's edge fits none.
Twips OptionButtonWidth(Twips longestCaption, const SizeSet& sizes);
Twips OptionColumnsThatFit(Twips roomRight, Twips optionWidth, const SizeSet& sizes);
Twips OptionRowsThatFit(Twips roomBelow, const SizeSet& sizes);

// Whether an option button with a caption of `longestCaption` characters fits right of labels of
// `longestLabel` characters in the first column of a detail form of `properties` rows, the narrowest (a
// group in a later column has the form's margin more). Lengths up to kLongestRoomText.
inline constexpr int32_t kLongestRoomText = 100;
bool OptionButtonHasRoom(std::size_t properties, int32_t longestLabel, int32_t longestCaption);

// The longest label beside which captions of `longestCaption` characters fit, and the longest caption
// that fits beside labels of `longestLabel`; -1 when none does.
int32_t LongestLabelBesideOptions(std::size_t properties, int32_t longestCaption);
int32_t LongestOptionCaption(std::size_t properties, int32_t longestLabel);

}  // namespace formlayout
