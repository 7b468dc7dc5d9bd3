// A row measured where it stands: the form width it needs and how far down the next row stands; an option
// group fits its grid to the room right of the labels and below its top.

#include <gtest/gtest.h>

#include "formlayout/FormRows.h"

namespace {

using namespace formlayout;

TEST(FormRows, ARowsMeasureWhereItStands) {
    const FormRow text{FormRow::Kind::Fixed, 4300, 350, 0, 0};
    const auto group = [](int buttons) { return FormRow{FormRow::Kind::Options, 0, 0, buttons, 900}; };
    const struct {
        const char* what;
        FormRow row;
        RowPlace place;
        const SizeSet* sizes;
        int need, advance;
    } cases[] = {
        {"text row, standard", text, {300, 300, 10000, 8000}, &kStandardSizes, 4900, 650},
        {"text row in a later column, average", text, {9400, 300, 18800, 8000}, &kAverageSizes, 13850, 500},
        {"nothing", {}, {300, 300, 10000, 8000}, &kStandardSizes, 0, 0},
        // Right of labels 1000 wide: two buttons side by side in one row.
        {"two buttons", group(2), {300, 300, 10000, 8000}, &kStandardSizes, 4600, 1250},
        // Room for two columns of buttons: seven take four rows.
        {"seven buttons, narrow column", group(7), {300, 300, 4000, 8000}, &kStandardSizes, 4600, 3200},
        // Room for one button near the bottom: the group is cut to it.
        {"seven buttons, no room", group(7), {300, 7000, 3000, 8000}, &kStandardSizes, 3400, 1250},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RowMeasure measure = MeasureRow(c.row, c.place, 1000, *c.sizes);
        EXPECT_EQ(measure.need.value(), c.need);
        EXPECT_EQ(measure.advance.value(), c.advance);
    }
}

}  // namespace
