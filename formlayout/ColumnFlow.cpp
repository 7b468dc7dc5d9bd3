#include "formlayout/ColumnFlow.h"

#include <algorithm>

#include "platform/vb/Error.h"
#include "platform/vb/Limits.h"

namespace formlayout {
namespace {

// Where a new column starts when nothing stands above it.
constexpr int16_t kColumnTop = kFormMargin;

bool FitsAt(const std::vector<FormRow>& rows, const ColumnGeometry& plan, const FlowStart& start,
            Twips labelWidth, Twips bottom) {
    const SizeSet& sizes = *plan.sizes;
    try {
        const FlowedRows flowed = FlowRows(rows, plan, start, labelWidth, bottom);
        // The OK and Cancel buttons below the deepest column, and the title bar.
        [[maybe_unused]] const Twips height =
            flowed.deepestTop + sizes.cmdCtlHeight + sizes.vertSpace + sizes.formTitleBarHeight;
        return true;
    } catch (const vb::Error&) {
        return false;  // a sum beyond what 16-bit twips count
    }
}

// Where the rows of a new form begin, below a context frame of `contextRows` rows.
FlowStart NewFormStart(std::size_t contextRows) {
    if (contextRows == 0)
        return {kFormMargin, kFormMargin, 0};
    return ContextFrameAt(contextRows, kFormMargin, kStandardSizes).below;
}

}  // namespace

FlowStart BelowFrame(Twips top, Twips height, Twips width, const SizeSet& sizes) {
    const Twips horz = sizes.horzSpace;
    return {horz, top + height + sizes.vertSpace, 2 * horz + width};
}

ContextFrame ContextFrameAt(std::size_t contextRows, Twips top, const SizeSet& sizes) {
    const Twips rows = std::min(CountOf(contextRows), Twips(sizes.maxCntxProps));
    const Twips height = rows * (Twips(sizes.txtCtlHeight) + sizes.vertSpace) + sizes.vertSpace;
    const Twips width = sizes.lstvwCtlWidth;
    return {rows, height, width, BelowFrame(top, height, width, sizes)};
}

ColumnFlow::ColumnFlow(const ColumnGeometry& plan, const FlowStart& start, bool widened)
    : mPlan(plan),
      mStart(start),
      mWidened(widened),
      mCurrent{start.left, start.top, EdgesOfColumn(plan, 1, start.left).right},
      mDeepestTop(start.top) {}

std::optional<ColumnPlace> ColumnFlow::NextColumn(Twips top, Twips bottom, const SizeSet& sizes) {
    if (top + sizes.txtCtlHeight + sizes.vertSpace + sizes.cmdCtlHeight < bottom)
        return std::nullopt;
    mColumn = mColumn + 1;
    const ColumnEdges edges = EdgesOfColumn(mPlan, mColumn, mStart.left);
    Twips left = edges.left + mShift;
    // Rows that reach past the planned edge push this column and the rest right.
    if (mWidened && mReach - sizes.horzSpace > left) {
        mShift = mShift + (mReach - left);
        left = mReach;
    }
    mDeepestTop = std::max(mDeepestTop, top);
    mReach = 0;
    mCurrent = {left, mWidened && left < mStart.clearRight ? mStart.top : Twips(kColumnTop),
                edges.right + mShift};
    return mCurrent;
}

FlowedRows FlowRows(const std::vector<FormRow>& rows, const ColumnGeometry& plan, const FlowStart& start,
                    Twips labelWidth, Twips bottom) {
    const SizeSet& sizes = *plan.sizes;
    ColumnFlow flow(plan, start);
    ColumnPlace column = flow.First();
    FlowedRows flowed{{}, {column.left, column.top}, 0};
    flowed.spots.reserve(rows.size());
    for (const FormRow& row : rows) {
        flowed.spots.push_back(flowed.next);
        const RowMeasure measure =
            MeasureRow(row, {column.left, flowed.next.top, column.right, bottom}, labelWidth, sizes);
        flow.Reach(measure.need);
        flowed.next.top = flowed.next.top + measure.advance;
        if (const auto next = flow.NextColumn(flowed.next.top, bottom, sizes)) {
            column = *next;
            flowed.next = {column.left, column.top};
        }
    }
    flowed.deepestTop = flow.DeepestTop(flowed.next.top);
    return flowed;
}

std::optional<Twips> FittingBottom(const std::vector<FormRow>& rows, const ColumnGeometry& plan,
                                   const FlowStart& start, Twips labelWidth, Twips bottom) {
    const SizeSet& sizes = *plan.sizes;
    const int32_t step = sizes.txtCtlHeight + sizes.vertSpace;
    for (int32_t at = bottom.value(); at <= vb::kMaxFormTwips; at += step) {
        if (FitsAt(rows, plan, start, labelWidth, static_cast<int16_t>(at)))
            return static_cast<int16_t>(at);
    }
    return std::nullopt;
}

bool FormFits(RowsOf form, const Properties& properties, std::size_t contextRows) {
    const SizeSet& first = kStandardSizes;
    const FlowStart start = NewFormStart(contextRows);
    const ColumnGeometry plan =
        PlanColumns(properties.size(), RoomRight(first.maxFormWidth, start.left, first));
    const Twips labelWidth = LabelColumnWidth(LongestLabel(properties), *plan.sizes);
    const std::vector<FormRow> rows = PropertyRows(form, properties, labelWidth, *plan.sizes);
    return FittingBottom(rows, plan, start, labelWidth, plan.sizes->maxFormHeight).has_value();
}

}  // namespace formlayout
