// The layout object: its three size sets, what a new one holds, and the available room it computes.

#include <gtest/gtest.h>

#include "patternkit/form_ctl_defaults.h"
#include "platform/vb/Error.h"

namespace {

using patternkit::form_ctl_defaults;

enum class SizeSet { Standard, Average, Small };

void Load(form_ctl_defaults& layout, SizeSet set) {
    switch (set) {
        case SizeSet::Standard:
            layout.SetStandardSize();
            break;
        case SizeSet::Average:
            layout.SetAverageSize();
            break;
        case SizeSet::Small:
            layout.SetSmallSize();
            break;
    }
}

TEST(FormCtlDefaults, EachSizeSetLoadsItsColumn) {
    using Getter = int16_t (form_ctl_defaults::*)() const;
    const struct {
        const char* member;
        Getter get;
        int standard, average, small;
    } members[] = {
        {"form_title_bar_height", &form_ctl_defaults::form_title_bar_height, 300, 300, 300},
        {"form_menu_bar_height", &form_ctl_defaults::form_menu_bar_height, 300, 300, 300},
        {"max_children_on_list", &form_ctl_defaults::max_children_on_list, 3, 3, 3},
        {"max_form_height", &form_ctl_defaults::max_form_height, 8000, 8000, 8000},
        {"max_form_width", &form_ctl_defaults::max_form_width, 10000, 10000, 10000},
        {"lstvw_ctl_height", &form_ctl_defaults::lstvw_ctl_height, 3000, 1500, 1000},
        {"lstvw_ctl_width", &form_ctl_defaults::lstvw_ctl_width, 6000, 4000, 3000},
        {"txt_ctl_width_per_char", &form_ctl_defaults::txt_ctl_width_per_char, 120, 90, 70},
        {"horz_space", &form_ctl_defaults::horz_space, 300, 150, 100},
        {"vert_space", &form_ctl_defaults::vert_space, 300, 150, 100},
        {"txt_ctl_height", &form_ctl_defaults::txt_ctl_height, 350, 350, 350},
        {"txt_ctl_width", &form_ctl_defaults::txt_ctl_width, 3000, 2000, 1000},
        {"cmd_ctl_height", &form_ctl_defaults::cmd_ctl_height, 350, 350, 350},
        {"cmd_ctl_width", &form_ctl_defaults::cmd_ctl_width, 1095, 850, 850},
        {"max_cntx_props", &form_ctl_defaults::max_cntx_props, 3, 3, 3},
        {"max_detail_props", &form_ctl_defaults::max_detail_props, 15, 15, 15},
        {"opt_ctl_height", &form_ctl_defaults::opt_ctl_height, 350, 350, 350},
        {"opt_ctl_width", &form_ctl_defaults::opt_ctl_width, 300, 300, 300},
        {"chk_ctl_width", &form_ctl_defaults::chk_ctl_width, 200, 200, 200},
        {"lstbx_height", &form_ctl_defaults::lstbx_height, 1000, 500, 350},
        {"rtxt_ctl_height", &form_ctl_defaults::rtxt_ctl_height, 1000, 1000, 500},
        {"rtxt_ctl_width", &form_ctl_defaults::rtxt_ctl_width, 2000, 2000, 1000},
        {"cmb_ctl_width", &form_ctl_defaults::cmb_ctl_width, 200, 200, 400},
    };
    form_ctl_defaults fresh;
    for (const auto& member : members) {
        SCOPED_TRACE(member.member);
        EXPECT_EQ((fresh.*member.get)(), member.standard);
        // Each set from a different one before it, so a member a set forgets shows.
        form_ctl_defaults layout;
        const struct {
            SizeSet before, set;
            int expected;
        } loads[] = {{SizeSet::Small, SizeSet::Standard, member.standard},
                     {SizeSet::Standard, SizeSet::Average, member.average},
                     {SizeSet::Average, SizeSet::Small, member.small}};
        for (const auto& load : loads) {
            Load(layout, load.before);
            Load(layout, load.set);
            EXPECT_EQ((layout.*member.get)(), load.expected);
        }
    }
}

TEST(FormCtlDefaults, ANewObjectStartsAnEmptyFormAtThreeHundredTwips) {
    const form_ctl_defaults layout;
    EXPECT_EQ(layout.top(), 300);
    EXPECT_EQ(layout.left(), 300);
    EXPECT_EQ(layout.actual_form_width(), 0);
    EXPECT_EQ(layout.actual_form_height(), 0);
    EXPECT_EQ(layout.max_label_width(), 0);
    EXPECT_EQ(layout.max_available_width(), 9400);
    EXPECT_EQ(layout.max_available_height(), 7400);
    EXPECT_EQ(layout.ListViewProgID(), "ComctlLib.ListView");
    EXPECT_EQ(layout.RichTextBoxProgID(), "RichTextLib.RichTextBox");
    EXPECT_EQ(layout.OptionButtonProgID(), "OptionButton");
}

TEST(FormCtlDefaults, ASizeSetReplacesWrittenSizesButKeepsThePosition) {
    form_ctl_defaults layout;
    layout.Setmax_form_height(5000);
    layout.Setmax_form_width(4000);
    layout.Setvert_space(10);
    layout.Setmax_detail_props(2);
    layout.Settop(1234);
    layout.Setleft(567);
    layout.Setactual_form_width(890);
    layout.Setactual_form_height(1011);
    layout.Setmax_label_width(1213);
    layout.SetAverageSize();
    EXPECT_EQ(layout.max_form_height(), 8000);
    EXPECT_EQ(layout.max_form_width(), 10000);
    EXPECT_EQ(layout.vert_space(), 150);
    EXPECT_EQ(layout.max_detail_props(), 15);
    EXPECT_EQ(layout.top(), 1234);
    EXPECT_EQ(layout.left(), 567);
    EXPECT_EQ(layout.actual_form_width(), 890);
    EXPECT_EQ(layout.actual_form_height(), 1011);
    EXPECT_EQ(layout.max_label_width(), 1213);
}

TEST(FormCtlDefaults, AvailableRoomFollowsTheSetAndOverflowsPastTheIntegerRange) {
    form_ctl_defaults layout;
    layout.SetSmallSize();
    EXPECT_EQ(layout.max_available_width(), 9600);
    EXPECT_EQ(layout.max_available_height(), 7600);

    layout.SetStandardSize();
    layout.Setleft(32700);
    layout.Settop(32700);
    for (auto read : {&form_ctl_defaults::max_available_width, &form_ctl_defaults::max_available_height}) {
        try {
            (layout.*read)();
            ADD_FAILURE() << "no overflow";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), vb::kOverflow);
        }
    }
    // A difference below the range overflows too.
    layout.Setleft(0);
    layout.Setmax_form_width(-32700);
    EXPECT_THROW(layout.max_available_width(), vb::Error);
}

}  // namespace
