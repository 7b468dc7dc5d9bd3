#pragma once
// How the rows of a search or detail form fill their columns. A new column opens when the next row would
// reach the form's bottom. A column whose rows reach past where the next would start is widened: the next
// starts right of its widest row, and those after it move along. A new column where the controls above
// the rows stand (the context frame) starts below them, else at the form's margin. Where the form would
// be wider than 16-bit twips count, its columns grow deeper instead. The form patterns place their rows
// by this flow, and the check before a build runs it without placing, so that both agree on what fits.

#include <algorithm>
#include <optional>
#include <vector>

#include "formlayout/FormRoom.h"
#include "formlayout/FormRows.h"

namespace formlayout {

// Where the rows begin: the first row's left edge and top, and how far right the controls above the
// rows reach, their margin included (0 when there are none).
struct FlowStart {
    Twips left, top, clearRight;
};

// Below a frame that heads a form, standing at `top`: the rows begin at the margin, below it and a
// margin, clear of it and a margin each side.
FlowStart BelowFrame(Twips top, Twips height, Twips width, const SizeSet& sizes);

// The context frame above the rows, standing at `top`: a text row for each context property it shows (at
// most maxCntxProps of `contextRows`), its extent, and where the rows below it begin.
struct ContextFrame {
    Twips rows, height, width;
    FlowStart below;
};
ContextFrame ContextFrameAt(std::size_t contextRows, Twips top, const SizeSet& sizes);

// A column's left edge, the top of its first row and its right limit.
struct ColumnPlace {
    Twips left, top, right;
};

class ColumnFlow {
  public:
    // Unwidened, the columns stand at their planned edges and start at the form's margin, drawn over one
    // another: rows that no form holds, which the check before a build refuses, still lay out.
    ColumnFlow(const ColumnGeometry& plan, const FlowStart& start, bool widened = true);

    ColumnPlace First() const { return mCurrent; }
    // A row of the current column takes the form `need` wide.
    void Reach(Twips need) {
        mReach = std::max(mReach, need);
        mWidest = std::max(mWidest, need);
    }
    // After a row, with `top` where the next would stand: the next column, when that row would reach
    // `bottom`.
    std::optional<ColumnPlace> NextColumn(Twips top, Twips bottom, const SizeSet& sizes);
    // The lowest top of all columns, the current one standing at `top`.
    Twips DeepestTop(Twips top) const { return std::max(mDeepestTop, top); }
    // The widest need of all rows; 0 unwidened.
    Twips WidestNeed() const { return mWidened ? mWidest : Twips(0); }

  private:
    ColumnGeometry mPlan;
    FlowStart mStart;
    bool mWidened;
    ColumnPlace mCurrent;
    Twips mColumn = 1;
    Twips mShift;  // how far the current column and those after it stand right of their planned edges
    Twips mReach;
    Twips mWidest;
    Twips mDeepestTop;
};

// Where a row stands as the rows flow: its label column's left edge and its top.
struct RowSpot {
    Twips left, top;
    bool operator==(const RowSpot&) const = default;
};
// The flow of `rows` down to `bottom`: each row's spot, where a next row would stand, and the lowest top of
// all columns; 6 (Overflow) where a sum leaves 16-bit twips.
struct FlowedRows {
    std::vector<RowSpot> spots;
    RowSpot next;
    Twips deepestTop;
};
FlowedRows FlowRows(const std::vector<FormRow>& rows, const ColumnGeometry& plan, const FlowStart& start,
                    Twips labelWidth, Twips bottom);

// The form's bottom, from `bottom` on and one text row deeper each step, at which `rows` flow into
// columns, with the OK and Cancel buttons and the title bar below, within 16-bit twips; none when no
// bottom does.
std::optional<Twips> FittingBottom(const std::vector<FormRow>& rows, const ColumnGeometry& plan,
                                   const FlowStart& start, Twips labelWidth, Twips bottom);

// Whether the search or the detail form of these properties fits, standing below a context frame of
// `contextRows` rows (none: no frame) on a new form.
bool FormFits(RowsOf form, const Properties& properties, std::size_t contextRows);

}  // namespace formlayout
