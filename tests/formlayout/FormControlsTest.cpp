// The control table: each control type's controls and their names, the data types it makes none for, and
// its row as measured in each size set.

#include <gtest/gtest.h>

#include "formlayout/ControlNameCount.h"
#include "formlayout/FormRows.h"
#include "tests/patternkit/LayoutProperty.h"

namespace {

using formlayout::FormRow;
using Names = std::vector<std::string>;

// A measured row: its kind, width, height, and its buttons and their width.
using Row = std::array<int, 5>;
constexpr std::array<Row, 3> kNoRow{};  // in no size set
constexpr Row F(int width, int height) {
    return {static_cast<int>(FormRow::Kind::Fixed), width, height, 0, 0};
}
constexpr Row O(int options, int optionWidth) {
    return {static_cast<int>(FormRow::Kind::Options), 0, 0, options, optionWidth};
}

// Beside a label column 1000 wide; a permitted value of 30 characters is wider than the set's text box.
TEST(FormControls, EachControlTypesNamesAndRowInEverySizeSet) {
    const Names pv = {"Lo", std::string(30, 'v')};
    constexpr auto kDetail = formlayout::RowsOf::DetailForm, kSearch = formlayout::RowsOf::SearchForm;
    const struct {
        const char *controlType, *dataType;
        Names names;
        std::array<Row, 3> rows;  // standard, average, small
        formlayout::RowsOf form = kDetail;
        Names values = {};
    } cases[] = {
        {"TextBox", "Long", {"lblX", "txtX"}, {F(4300, 350), F(3150, 350), F(2100, 350)}},
        {"ComboBox", "String", {"lblX", "cmbX"}, {F(5100, 350), F(4050, 350), F(3600, 350)}, kDetail, pv},
        {"ComboBox", "String", {"lblX", "cmbX"}, {F(4300, 350), F(3150, 350), F(2100, 350)}},
        {"ListBox", "String", {"lblX", "lstbxX"}, {F(4900, 1000), F(3850, 500), F(3200, 350)}, kDetail, pv},
        {"ListBox", "Memo", {}, kNoRow},
        {"ListBox", "OLE Object", {}, kNoRow},
        {"RichTextBox", "Memo", {"lblX", "rtxtX"}, {F(3300, 1000), F(3150, 1000), F(2100, 500)}},
        {"RichTextBox", "OLE Object", {}, kNoRow},
        {"CheckBox", "Boolean", {"ckbX"}, {F(2340, 350), F(1980, 350), F(1790, 350)}},
        {"OptionButton", "Boolean", {"FrameX", "optX_True", "optX_False"}, {O(2, 900), O(2, 750), O(2, 650)}},
        {"OptionButton", "Long", {"FrameX", "optX_X"}, {O(1, 420), O(1, 390), O(1, 370)}},
        {"textbox", "Long", {}, kNoRow},
        // The search form gives every property the search row.
        {"CheckBox", "Long", {"lblX", "cmbX", "txtX"}, {F(5200, 350), F(3900, 350), F(3000, 350)}, kSearch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.controlType) + "/" + c.dataType);
        const auto property = testing_support::MakeProperty(" X ", "X label", c.dataType, c.controlType);
        const formlayout::Properties properties{c.values.empty() ? property : WithValues(property, c.values)};
        EXPECT_EQ(c.form == kSearch ? formlayout::SearchRowNames(properties, formlayout::ControlArrays::None)
                                    : formlayout::DetailRowNames(properties, formlayout::ControlArrays::None),
                  c.names);
        const formlayout::SizeSet* sets[] = {&formlayout::kStandardSizes, &formlayout::kAverageSizes,
                                             &formlayout::kSmallSizes};
        for (std::size_t set = 0; set < 3; ++set) {
            const FormRow row = formlayout::PropertyRows(c.form, properties, 1000, *sets[set]).front();
            EXPECT_EQ((Row{static_cast<int>(row.kind), row.width.value(), row.height.value(),
                           row.options.value(), row.optionWidth.value()}),
                      c.rows[set]);
        }
    }
}

TEST(FormControls, EveryRowControlButAFrameCanJoinAnArray) {
    EXPECT_EQ(formlayout::ArrayPrefixes(formlayout::ControlArrays::RowControls),
              (std::vector<std::string_view>{"lbl", "txt", "cmb", "lstbx", "rtxt", "ckb", "opt"}));
}

}  // namespace
