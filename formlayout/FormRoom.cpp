#include "formlayout/FormRoom.h"

#include <algorithm>

#include "platform/vb/Numbers.h"

namespace formlayout {
namespace {

constexpr int16_t kPropertiesPerColumn = 12;

// What fits from the current position, rounded as VB rounds; a position past the form's edge fits
// nothing rather than a negative number.
Twips ThatFit(Twips available, Twips space, Twips step) {
    return std::max(RoundedQuotient(available - space, step), Twips(0));
}

// The longest length up to kLongestRoomText for which `fits` holds, when it holds for 0; -1 otherwise.
template <typename Fits>
int32_t LongestThatFits(Fits fits) {
    int32_t length = -1;
    while (length < kLongestRoomText && fits(length + 1))
        ++length;
    return length;
}

}  // namespace

ColumnGeometry PlanColumns(std::size_t properties, Twips roomRight) {
    const Twips columns =
        Twips(vb::CInt(vb::Int(static_cast<double>(properties) / kPropertiesPerColumn))) + 1;
    const SizeSet* sizes = columns == 1 ? &kStandardSizes : columns == 2 ? &kAverageSizes : &kSmallSizes;
    return {columns, RoundedQuotient(roomRight, columns), sizes};
}

ColumnEdges EdgesOfColumn(const ColumnGeometry& plan, Twips column, Twips firstLeft) {
    if (column == 1)
        return {firstLeft, plan.columns == 1 ? Twips(plan.sizes->maxFormWidth) : plan.width};
    return {(column - 1) * plan.width, column * plan.width};
}

Twips LabelColumnWidth(Twips longestLabel, const SizeSet& sizes) {
    return longestLabel * sizes.txtCtlWidthPerChar;
}

Twips ControlColumnLeft(Twips labelLeft, Twips labelWidth, const SizeSet& sizes) {
    return labelLeft + labelWidth + sizes.horzSpace;
}

Twips RowEdge(Twips left, Twips width, const SizeSet& sizes) {
    return left + width + sizes.horzSpace;
}

Twips RoomRight(Twips right, Twips left, const SizeSet& sizes) {
    return right - (left + sizes.horzSpace);
}

Twips RoomBelow(Twips bottom, Twips top, const SizeSet& sizes) {
    return bottom - (top + sizes.vertSpace);
}

Twips OptionButtonWidth(Twips longestCaption, const SizeSet& sizes) {
    return longestCaption * sizes.txtCtlWidthPerChar + sizes.optCtlWidth;
}

Twips OptionColumnsThatFit(Twips roomRight, Twips optionWidth, const SizeSet& sizes) {
    return ThatFit(roomRight, sizes.horzSpace, Twips(sizes.horzSpace) + optionWidth);
}

Twips OptionRowsThatFit(Twips roomBelow, const SizeSet& sizes) {
    return ThatFit(roomBelow, sizes.vertSpace, Twips(sizes.optCtlHeight) + sizes.vertSpace);
}

bool OptionButtonHasRoom(std::size_t properties, int32_t longestLabel, int32_t longestCaption) {
    // A new form, in the standard set. The first column is the narrowest: it starts at the form's margin,
    // the others at their own edge.
    const SizeSet& first = kStandardSizes;
    const ColumnGeometry plan = PlanColumns(properties, RoomRight(first.maxFormWidth, kFormMargin, first));
    const ColumnEdges column = EdgesOfColumn(plan, 1, kFormMargin);
    const SizeSet& sizes = *plan.sizes;
    const Twips groupLeft = ControlColumnLeft(
        column.left, LabelColumnWidth(CountOf(static_cast<std::size_t>(longestLabel)), sizes), sizes);
    const Twips optionWidth = OptionButtonWidth(CountOf(static_cast<std::size_t>(longestCaption)), sizes);
    return OptionColumnsThatFit(RoomRight(column.right, groupLeft, sizes), optionWidth, sizes) >= 1;
}

int32_t LongestLabelBesideOptions(std::size_t properties, int32_t longestCaption) {
    return LongestThatFits(
        [&](int32_t label) { return OptionButtonHasRoom(properties, label, longestCaption); });
}

int32_t LongestOptionCaption(std::size_t properties, int32_t longestLabel) {
    return LongestThatFits(
        [&](int32_t caption) { return OptionButtonHasRoom(properties, longestLabel, caption); });
}

}  // namespace formlayout
