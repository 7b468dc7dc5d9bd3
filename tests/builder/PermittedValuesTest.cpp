// The property dialog's second tab: the value check by data type, moving values, the options each data
// type and foreign key offers, and what the tab saves into and loads from the property.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/frmPropertyBuilder.h"
#include "core/PermittedValueCheck.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "tests/builder/DialogRuns.h"

namespace builder {
namespace {

using builder_test::ExpectOnlyBox;
using builder_test::ModelText;
using builder_test::PropertyDialogRun;
using Values = std::vector<std::string>;

TEST(PermittedValueCheck, ConvertsByDataType) {
    const struct {
        const char* dataType;
        const char* text;
        const char* converted;  // nullptr: refused
    } cases[] = {
        {"Long", "12", "12"},
        {"Long", "1e3", "1000"},
        {"Long", " 7 ", "7"},
        {"Long", "12a", nullptr},
        {"Long", "", nullptr},
        {"Long", "3000000000", nullptr},
        {"Long", "nan", nullptr},
        {"Integer", "40000", nullptr},
        {"Integer", "-2.5", "-2"},
        {"Byte", "300", nullptr},
        {"Byte", "-1", nullptr},
        {"Byte", "255", "255"},
        {"Boolean", "maybe", nullptr},
        {"Boolean", "true", "True"},
        {"Boolean", "0", "False"},
        {"Currency", "1.23456", "1.2346"},
        {"Currency", "abc", nullptr},
        {"Single", "0.5", ".5"},
        {"Double", "1e300", "1E+300"},
        {"Double", "1e999", nullptr},
        {"Date", "12/8/2026", "12/8/2026"},
        {"Date", "Dec 8, 2026", "12/8/2026"},
        {"Date", "2026-12-08 14:30", "12/8/2026 2:30:00 PM"},
        {"Date", "2/30/2026", nullptr},
        {"Date", "soon", nullptr},
        {"String", "any text, with spaces", "any text, with spaces"},
        {"Memo", "text", nullptr},
        {"OLE Object", "1", nullptr},
        {"", "1", nullptr},
    };
    for (const auto& c : cases) {
        std::string value = c.text;
        EXPECT_EQ(core::CheckPermittedValue(c.dataType, value), c.converted != nullptr)
            << c.dataType << " " << c.text;
        EXPECT_EQ(value, c.converted ? c.converted : c.text) << c.dataType << " " << c.text;
    }
}

TEST(PermittedValues, TheCheckFollowsTheDialogsDataTypeAndName) {
    PropertyDialogRun run;
    run.ShowNew(run.model.order);
    auto& form = run.form;
    form.txtName_Change("unit price");
    form.cmbDataType.SetText("Long");
    form.SSTab1_Click(1);
    form.optPV_Click(frmPropertyBuilder::pvList);
    form.txtPerVal.Text = "1e3";
    form.cmdMoveFields_Click(0);
    EXPECT_EQ(form.lstPermittedValues.Items, Values{"1000"});
    EXPECT_EQ(form.txtPerVal.Text, "");
    form.txtPerVal.Text = "12a";
    form.cmdMoveFields_Click(0);
    ExpectOnlyBox(run.script, {"This is not a valid permitted value for Unit Price.", 0, "VB Ostrel"});
    EXPECT_EQ(form.Focus(), "txtPerVal");
    EXPECT_EQ(form.lstPermittedValues.Items, Values{"1000"});
    // An empty entry adds nothing and asks nothing.
    form.txtPerVal.Text = "";
    form.cmdMoveFields_Click(0);
    EXPECT_EQ(run.script.Prompts().size(), 1u);
    // A Byte holds 0 to 255.
    form.cmbDataType.SetText("Byte");
    for (const char* value : {"256", "255"}) {
        form.txtPerVal.Text = value;
        form.cmdMoveFields_Click(0);
    }
    EXPECT_EQ(form.lstPermittedValues.Items, (Values{"1000", "255"}));
    EXPECT_EQ(run.script.Prompts().size(), 2u);
}

// OK checks every value against the data type as it stands then: the type may have changed since the
// values went in, and a bound refused when its box was left stays in the box. A Boolean has no range.
TEST(PermittedValues, OKChecksTheValuesAgainstTheDataTypeOnceMore) {
    const struct {
        const char* what;
        frmPropertyBuilder::PVOption option;
        const char* typeAtEntry;
        Values values;  // the list, or the two bounds
        const char* typeAtOK;
        const char* refusedIn;  // nullptr: accepted
    } cases[] = {
        {"a list of words, then a Long",
         frmPropertyBuilder::pvList,
         "String",
         {"Red", "12"},
         "Long",
         "lstPermittedValues"},
        {"a list of numbers, then a Byte",
         frmPropertyBuilder::pvList,
         "Long",
         {"255", "256"},
         "Byte",
         "lstPermittedValues"},
        {"a list of numbers, then a String",
         frmPropertyBuilder::pvList,
         "Long",
         {"1", "2"},
         "String",
         nullptr},
        {"a range, then a Boolean", frmPropertyBuilder::pvRange, "Long", {"0", "1"}, "Boolean", "txtPerVal"},
        {"a refused upper bound", frmPropertyBuilder::pvRange, "Long", {"1", "ten"}, "Long", "txtUpperPV"},
        {"a range of Integers", frmPropertyBuilder::pvRange, "Integer", {"1", "1e2"}, "Integer", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PropertyDialogRun run;
        run.ShowNew(run.model.order);
        auto& form = run.form;
        run.Fill("Rating", c.typeAtEntry, "4");
        form.optPV_Click(c.option);
        if (c.option == frmPropertyBuilder::pvList) {
            form.lstPermittedValues.Items = c.values;
        } else {
            form.txtPerVal.Text = c.values[0];
            form.txtUpperPV.Text = c.values[1];
        }
        form.cmbDataType.SetText(c.typeAtOK);
        form.cmdOK_Click();
        if (c.refusedIn) {
            ExpectOnlyBox(run.script, {"This is not a valid permitted value for Rating.", 0, "VB Ostrel"});
            EXPECT_EQ(form.Focus(), c.refusedIn);
            EXPECT_TRUE(run.events.empty());
        } else {
            EXPECT_EQ(run.script.Prompts().size(), 0u);
            EXPECT_EQ(run.events, Values{"added Rating"});
        }
    }
}

TEST(PermittedValues, MovingValuesInAndOut) {
    PropertyDialogRun run;
    run.ShowNew(run.model.order);
    auto& form = run.form;
    form.txtName_Change("Colour");
    form.optPV_Click(frmPropertyBuilder::pvList);
    for (const char* value : {"Red", "Green", "Blue"}) {
        form.txtPerVal.Text = value;
        form.cmdMoveFields_Click(0);
    }
    EXPECT_EQ(form.lstPermittedValues.ListIndex, 2);
    // A value already there, in any letter case, is selected instead of added.
    form.txtPerVal.Text = "GREEN";
    form.cmdMoveFields_Click(0);
    EXPECT_EQ(form.lstPermittedValues.Items, (Values{"Red", "Green", "Blue"}));
    EXPECT_EQ(form.lstPermittedValues.ListIndex, 1);
    EXPECT_EQ(form.txtPerVal.Text, "");

    const struct {
        int32_t selected;
        const char* back;
        Values left;
        int32_t selectedAfter;
    } moves[] = {
        {2, "Blue", {"Red", "Green"}, 1},
        {0, "Red", {"Green"}, 0},
        {0, "Green", {}, -1},
        {-1, "Green", {}, -1},
    };
    for (const auto& move : moves) {
        form.lstPermittedValues.ListIndex = move.selected;
        form.cmdMoveFields_Click(1);
        EXPECT_EQ(form.txtPerVal.Text, move.back);
        EXPECT_EQ(form.lstPermittedValues.Items, move.left);
        EXPECT_EQ(form.lstPermittedValues.ListIndex, move.selectedAfter);
    }
}

TEST(PermittedValues, RangeIsOfferedForOrderedTypes) {
    const struct {
        const char* dataType;
        bool range;
    } cases[] = {{"Date", true},   {"Long", true},        {"Byte", true},      {"Integer", true},
                 {"Single", true}, {"Double", true},      {"Currency", false}, {"Boolean", false},
                 {"Memo", false},  {"OLE Object", false}, {"String", false}};
    for (const auto& c : cases) {
        PropertyDialogRun run;
        run.ShowNew(run.model.order);
        run.form.cmbDataType.SetText(c.dataType);
        EXPECT_FALSE(run.form.optPVVisible[frmPropertyBuilder::pvRange]);
        run.form.SSTab1_Click(1);
        EXPECT_EQ(run.form.optPVVisible[frmPropertyBuilder::pvRange], c.range) << c.dataType;
        EXPECT_TRUE(run.form.optPVVisible[frmPropertyBuilder::pvNone]);
        EXPECT_TRUE(run.form.optPVVisible[frmPropertyBuilder::pvList]);
    }
}

TEST(PermittedValues, ForeignKeyLookupOnlyForAKeyOfAnotherBusinessObject) {
    const struct {
        const char* what;
        const char* property;
        void (*change)(builder_test::SalesModel&);
        bool offered;
    } cases[] = {
        {"foreign property", "CustomerID", [](builder_test::SalesModel&) {}, true},
        {"no foreign property", "Amount", [](builder_test::SalesModel&) {}, false},
        {"key field of no property", "CustomerID",
         [](builder_test::SalesModel& model) {
             model.Property(model.order, "CustomerID")
                 ->SetForeignKeyField(std::make_shared<core::qelField>());
         },
         false},
        {"own key", "CustomerID",
         [](builder_test::SalesModel& model) {
             model.Property(model.order, "CustomerID")
                 ->SetForeignKeyField(model.Property(model.order, "OrderID")->Field());
         },
         false},
    };
    for (const auto& c : cases) {
        PropertyDialogRun run;
        c.change(run.model);
        run.ShowExisting(run.model.order, c.property);
        EXPECT_FALSE(run.form.optPVVisible[frmPropertyBuilder::pvForeignKey]);
        run.form.SSTab1_Click(1);
        EXPECT_EQ(run.form.optPVVisible[frmPropertyBuilder::pvForeignKey], c.offered) << c.what;
    }
}

TEST(PermittedValues, ModesShowTheirControls) {
    PropertyDialogRun run;
    run.ShowExisting(run.model.order, "CustomerID");
    auto& form = run.form;
    const struct {
        frmPropertyBuilder::PVOption option;
        const char* caption;
        bool combo, entry, list, upper;
    } modes[] = {
        {frmPropertyBuilder::pvList, "List of Permitted Values:", false, true, true, false},
        {frmPropertyBuilder::pvForeignKey, "Name of FK Displayed Property:", true, false, false, false},
        {frmPropertyBuilder::pvRange, "Lower Bound:", false, true, false, true},
        {frmPropertyBuilder::pvNone, "", false, false, false, false},
    };
    for (const auto& mode : modes) {
        form.optPV_Click(mode.option);
        EXPECT_EQ(form.lblPV.Visible, mode.option != frmPropertyBuilder::pvNone);
        if (mode.option != frmPropertyBuilder::pvNone) {
            EXPECT_EQ(form.lblPV.Text, mode.caption);
        }
        EXPECT_EQ(form.cmbPV.Visible, mode.combo) << mode.caption;
        EXPECT_EQ(form.txtPerVal.Visible, mode.entry) << mode.caption;
        EXPECT_EQ(form.lstPermittedValues.Visible, mode.list) << mode.caption;
        EXPECT_EQ(form.cmdMoveFieldsVisible[0], mode.list) << mode.caption;
        EXPECT_EQ(form.txtUpperPV.Visible, mode.upper) << mode.caption;
        EXPECT_EQ(form.lblDashVisible, mode.upper) << mode.caption;
        EXPECT_EQ(form.lblUpperPVVisible, mode.upper) << mode.caption;
    }
    form.optPV_Click(frmPropertyBuilder::pvForeignKey);
    EXPECT_EQ(form.cmbPV.Items, (Values{"CustomerID", "Name", "Region"}));
    EXPECT_EQ(form.cmbPV.Text(), "CustomerID");
}

TEST(PermittedValues, SavedIntoThePropertyAndLoadedBack) {
    PropertyDialogRun run;
    const auto& order = run.model.order;
    // A list.
    run.ShowExisting(order, "Amount");
    run.form.optPV_Click(frmPropertyBuilder::pvList);
    for (const char* value : {"10", "20"}) {
        run.form.txtPerVal.Text = value;
        run.form.cmdMoveFields_Click(0);
    }
    run.form.cmdOK_Click();
    const auto amount = run.model.Property(order, "Amount");
    EXPECT_TRUE(amount->IsPVList());
    EXPECT_EQ(Values(amount->PermittedValues()->begin(), amount->PermittedValues()->end()),
              (Values{"10", "20"}));
    run.ShowExisting(order, "Amount");
    EXPECT_EQ(run.form.SelectedOption(), frmPropertyBuilder::pvList);
    EXPECT_EQ(run.form.lstPermittedValues.Items, (Values{"10", "20"}));
    // "None" clears the flag and leaves the old values.
    run.form.optPV_Click(frmPropertyBuilder::pvNone);
    run.form.cmdOK_Click();
    EXPECT_FALSE(amount->IsPVList());
    EXPECT_EQ(amount->PermittedValues()->Count(), 2);
    run.ShowExisting(order, "Amount");
    EXPECT_FALSE(run.form.lblPV.Visible);
    EXPECT_FALSE(run.form.cmbPV.Visible);

    // A displayed property of the referenced business object.
    run.form.cmdCancel_Click();
    run.ShowExisting(order, "CustomerID");
    run.form.SSTab1_Click(1);
    run.form.optPV_Click(frmPropertyBuilder::pvForeignKey);
    run.form.cmbPV.SetText("Name");
    run.form.cmdOK_Click();
    const auto customerID = run.model.Property(order, "CustomerID");
    EXPECT_TRUE(customerID->IsPVFKey());
    EXPECT_FALSE(customerID->IsPVTable());
    EXPECT_EQ(customerID->PVFKeyDisplayedProp(), run.model.Property(run.model.customer, "Name"));
    run.ShowExisting(order, "CustomerID");
    EXPECT_EQ(run.form.SelectedOption(), frmPropertyBuilder::pvForeignKey);
    EXPECT_EQ(run.form.cmbPV.Text(), "Name");

    // A range, whose bounds show before the option does.
    run.form.cmdCancel_Click();
    run.ShowExisting(order, "Ship_Date");
    run.form.SSTab1_Click(1);
    run.form.optPV_Click(frmPropertyBuilder::pvRange);
    run.form.txtPerVal.Text = "2026-01-01";
    run.form.txtPerVal_LostFocus();
    EXPECT_EQ(run.form.txtPerVal.Text, "1/1/2026");
    run.form.txtUpperPV.Text = "someday";
    run.form.txtUpperPV_LostFocus();
    EXPECT_EQ(run.form.Focus(), "txtUpperPV");
    EXPECT_EQ(run.script.Prompts().back().prompt, "This is not a valid permitted value for Ship_date.");
    run.form.txtUpperPV.Text = "12/31/2026";
    run.form.cmdOK_Click();
    const auto shipDate = run.model.Property(order, "Ship_Date");
    EXPECT_TRUE(shipDate->IsPVRange());
    EXPECT_EQ(shipDate->LowerBound(), "1/1/2026");
    EXPECT_EQ(shipDate->UpperBound(), "12/31/2026");
    run.ShowExisting(order, "Ship_Date");
    EXPECT_FALSE(run.form.optPVVisible[frmPropertyBuilder::pvRange]);
    EXPECT_EQ(run.form.SelectedOption(), frmPropertyBuilder::pvRange);
    EXPECT_EQ(run.form.txtPerVal.Text, "1/1/2026");
    EXPECT_EQ(run.form.txtUpperPV.Text, "12/31/2026");
}

}  // namespace
}  // namespace builder
