// Rows flowing into columns in each size set: the bottom they fit at, and where each column begins.

#include <gtest/gtest.h>

#include <tuple>

#include "formlayout/ColumnFlow.h"

namespace {

using namespace formlayout;

// A column's first row: its index, left and top.
using ColumnStart = std::tuple<std::size_t, int, int>;

// The rows' spots, and where a next row would stand, wherever a new column begins.
std::vector<ColumnStart> ColumnStarts(const FlowedRows& flowed) {
    std::vector<RowSpot> spots = flowed.spots;
    spots.push_back(flowed.next);
    std::vector<ColumnStart> starts;
    for (std::size_t row = 0; row < spots.size(); ++row) {
        if (row == 0 || spots[row].left != spots[row - 1].left)
            starts.emplace_back(row, spots[row].left.value(), spots[row].top.value());
    }
    return starts;
}

constexpr FlowStart kNewForm{kFormMargin, kFormMargin, 0};

TEST(ColumnFlow, RowsFitAtTheBottomWhereEachColumnBeginsInEachSizeSet) {
    // 255 rows 3300 wide with their margin: 29 a column keep nine columns within 16-bit twips.
    std::vector<ColumnStart> deep;
    for (std::size_t column = 0; column < 9; ++column)
        deep.emplace_back(29 * column, 300 + 3300 * static_cast<int>(column), 300);
    const FlowStart belowThree = ContextFrameAt(5, kFormMargin, kStandardSizes).below;
    const FlowStart belowOne = ContextFrameAt(1, kFormMargin, kStandardSizes).below;
    const struct {
        const char* what;
        std::size_t rows;
        int width, height;
        FlowStart start;
        std::optional<int> bottom;
        std::vector<ColumnStart> columns;  // at that bottom
    } cases[] = {
        // After ten, the next row would reach the bottom exactly.
        {"rows 370 high, standard", 11, 4260, 370, kNewForm, 8000, {{0, 300, 300}, {10, 9400, 300}}},
        // The second column stands right of the frame, at the top.
        {"below a frame", 11, 4260, 350, belowThree, 8000, {{0, 300, 2850}, {7, 9400, 300}}},
        // A row wider than its column pushes the next right, still below the frame.
        {"wide rows, average", 23, 5750, 350, belowOne, 8000, {{0, 300, 1550}, {12, 6200, 1550}}},
        {"too wide at the form's height, small", 255, 3200, 350, kNewForm, 13850, deep},
        {"wider than 16-bit twips", 1, 32500, 350, kNewForm, std::nullopt, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ColumnGeometry plan = PlanColumns(c.rows, RoomRight(10000, c.start.left, kStandardSizes));
        const std::vector<FormRow> rows(c.rows, {FormRow::Kind::Fixed, c.width, c.height, 0, 0});
        const std::optional<Twips> bottom = FittingBottom(rows, plan, c.start, 0, plan.sizes->maxFormHeight);
        EXPECT_EQ(bottom ? std::optional<int>(bottom->value()) : std::nullopt, c.bottom);
        if (bottom) {
            EXPECT_EQ(ColumnStarts(FlowRows(rows, plan, c.start, 0, *bottom)), c.columns);
        }
    }
}

}  // namespace
