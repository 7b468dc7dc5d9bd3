// The property dialog through a scripted interaction: the first tab's rules, what OK writes and files,
// every refusal, and that a refused or cancelled edit leaves the model as it was.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "builder/frmPropertyBuilder.h"
#include "core/qelApplication.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/builder/DialogRuns.h"
#include "tests/builder/DialogTestModel.h"

namespace builder {
namespace {

using builder_test::ExpectOnlyBox;
using builder_test::ModelText;
using builder_test::PropertyDialogRun;

TEST(frmPropertyBuilder, LoadsANewPropertyWithItsDefaults) {
    PropertyDialogRun run;
    run.ShowNew(run.model.order);
    auto& form = run.form;
    EXPECT_EQ(form.Caption(), "Property Builder - Order Business Object");
    EXPECT_EQ(form.cmbDataType.Text(), "String");
    EXPECT_EQ(form.cmbAccess.Text(), "Read/Write");
    EXPECT_EQ(form.cmbPrimaryKey.Text(), "No");
    EXPECT_EQ(form.cmbMandatory.Text(), "No");
    EXPECT_EQ(form.cmbUnique.Text(), "No");
    EXPECT_EQ(form.cmbControlType.Text(), "TextBox");
    EXPECT_EQ(form.txtTableName.Text, "Order");
    EXPECT_EQ(form.SelectedOption(), frmPropertyBuilder::pvNone);
    EXPECT_FALSE(form.cmdOKEnabled());
    form.txtLabel.Text = "Typed first:";
    form.txtName_Change("Amount Due");
    EXPECT_EQ(form.txtLabel.Text, "Amount Due:");
    form.txtName_Change("");
    EXPECT_TRUE(form.cmdOKEnabled());
}

TEST(frmPropertyBuilder, ANewPropertyIsFiledWithAFieldOfItsNameInTheTable) {
    PropertyDialogRun run;
    run.ShowNew(run.model.order);
    run.Fill("Unit Price", "Currency", "8");
    run.form.cmbMandatory.SetText("Yes");
    run.form.cmdOK_Click();
    EXPECT_TRUE(run.script.Prompts().empty());
    EXPECT_FALSE(run.form.IsLoaded());
    EXPECT_EQ(run.events, (std::vector<std::string>{"added Unit_Price"}));
    const auto property = run.model.Property(run.model.order, "Unit_Price");
    EXPECT_EQ(property->BusinessObjectName(), "Order");
    EXPECT_EQ(property->Label(), "Unit Price:");
    EXPECT_EQ(property->DataType(), "Currency");
    EXPECT_EQ(property->Length(), 8);
    EXPECT_TRUE(property->IsMandatory());
    EXPECT_FALSE(property->IsKey());
    EXPECT_EQ(property->KeyIndex(), 0);
    const auto& field = property->Field();
    EXPECT_EQ(field->Name(), "Unit_Price");
    EXPECT_EQ(field->Table(), run.model.order->Table());
    EXPECT_EQ(field->BusObjProperty(), property);
    EXPECT_EQ(run.model.order->Table()->Fields()->Item("Unit_Price"), field);

    // Tabbed through unchanged, the name leaves a label typed after it.
    run.ShowExisting(run.model.order, "Unit_Price");
    run.form.txtLabel.Text = "Price each";
    run.form.txtName_LostFocus();
    run.form.cmdOK_Click();
    EXPECT_EQ(property->Label(), "Price each");

    // A rename keeps the field's name.
    run.ShowExisting(run.model.order, "Unit_Price");
    EXPECT_EQ(run.form.txtFieldName.Text, "Unit_Price");
    EXPECT_EQ(run.form.txtTableName.Text, "Order");
    run.form.txtName_Change("Price");
    run.form.cmdOK_Click();
    EXPECT_EQ(run.model.Property(run.model.order, "Price")->Field()->Name(), "Unit_Price");
}

TEST(frmPropertyBuilder, RefusalsKeepTheDialogOpenAndTheModelAsItWas) {
    const std::string duplicate =
        "A business object property with the same name already \rexists for the Order business object.";
    const std::string memo =
        R"(Property "Order.Note": a key of DataType Memo has no value in the record and cannot identify a row: give it another data type, or set Primary Key to No)";
    const struct {
        const char* what;
        const char* editing;  // "" for a new property
        const char* name;
        const char* length;
        const char* lower;  // nullptr: no range
        const char* upper;
        builder_test::Box box;
        const char* focus;
        int32_t tab;
        const char* dataType = "Long";
        const char* key = "No";
    } cases[] = {
        {"empty name",
         "",
         "",
         "4",
         nullptr,
         nullptr,
         {"Name must begin with a letter!", 10, "Error"},
         "txtName",
         0},
        {"letter case", "", "amount", "4", nullptr, nullptr, {duplicate, 10, "Error"}, "txtName", 0},
        {"blanks", "", "ship date", "4", nullptr, nullptr, {duplicate, 10, "Error"}, "txtName", 0},
        {"rename onto another",
         "Amount",
         "ORDERID",
         "4",
         nullptr,
         nullptr,
         {duplicate, 10, "Error"},
         "txtName",
         0},
        {"no length",
         "Amount",
         "Total",
         "",
         nullptr,
         nullptr,
         {"The length must be filled in!", 64, "Information"},
         "txtLength",
         0},
        {"no whole number",
         "Amount",
         "Total",
         "12a",
         nullptr,
         nullptr,
         {"The length must be a whole number!", 64, "Information"},
         "txtLength",
         0},
        {"a String of no length",
         "Amount",
         "Total",
         "0",
         nullptr,
         nullptr,
         {"The length of a String must be from 1 to 65526!", 64, "Information"},
         "txtLength",
         0,
         "String"},
        {"a String longer than VB holds",
         "",
         "Notes",
         "65527",
         nullptr,
         nullptr,
         {"The length of a String must be from 1 to 65526!", 64, "Information"},
         "txtLength",
         0,
         "String"},
        {"Memo key", "", "Note", "0", nullptr, nullptr, {memo, 10, "Error"}, "cmbDataType", 0, "Memo", "Yes"},
        {"no lower bound",
         "OrderID",
         "Number",
         "4",
         "",
         "9",
         {"The Lower Bound must be filled in!", 64, "Information"},
         "txtPerVal",
         1},
        {"no upper bound",
         "",
         "Weight",
         "4",
         "1",
         "",
         {"The Upper Bound must be filled in!", 64, "Information"},
         "txtUpperPV",
         1},
    };
    for (const auto& c : cases) {
        PropertyDialogRun run;
        const std::string before = ModelText(*run.model.application);
        if (*c.editing)
            run.ShowExisting(run.model.order, c.editing);
        else
            run.ShowNew(run.model.order);
        run.Fill(c.name, c.dataType, c.length);
        run.form.cmbPrimaryKey.SetText(c.key);
        if (c.lower) {
            run.form.SSTab1_Click(1);
            run.form.optPV_Click(frmPropertyBuilder::pvRange);
            run.form.txtPerVal.Text = c.lower;
            run.form.txtUpperPV.Text = c.upper;
            run.form.SSTab1_Click(0);
        }
        run.form.cmdOK_Click();
        ExpectOnlyBox(run.script, c.box);
        EXPECT_EQ(run.form.Focus(), c.focus) << c.what;
        EXPECT_EQ(run.form.Tab(), c.tab) << c.what;
        EXPECT_TRUE(run.form.IsLoaded()) << c.what;
        EXPECT_TRUE(run.events.empty()) << c.what;
        EXPECT_EQ(ModelText(*run.model.application), before) << c.what;
        run.form.cmdCancel_Click();
        EXPECT_EQ(ModelText(*run.model.application), before) << c.what;
    }
}

// A String's length is one VB can declare; other types keep any whole number.
TEST(frmPropertyBuilder, TakesTheLengthsItsTypeCanHave) {
    for (const auto& [dataType, length] :
         {std::pair{"String", 1}, {"String", 65526}, {"Memo", 0}, {"Long", 0}}) {
        PropertyDialogRun run;
        run.ShowNew(run.model.order);
        run.Fill("Note", dataType, std::to_string(length));
        run.form.cmdOK_Click();
        EXPECT_TRUE(run.script.Prompts().empty()) << dataType;
        EXPECT_EQ(run.model.Property(run.model.order, "Note")->Length(), length) << dataType;
    }
}

TEST(frmPropertyBuilder, APropertyTheMainWindowRefusesIsPutBack) {
    const struct {
        const char* editing;
        const char* name;
        const char* key;
    } cases[] = {{"", "Discount", "Yes"}, {"OrderID", "Number", "No"}, {"Amount", "Total", "Yes"}};
    for (const auto& c : cases) {
        PropertyDialogRun run;
        const std::string before = ModelText(*run.model.application);
        run.refuse = true;
        if (*c.editing)
            run.ShowExisting(run.model.order, c.editing);
        else
            run.ShowNew(run.model.order);
        run.Fill(c.name, "Long", "4");
        run.form.cmbPrimaryKey.SetText(c.key);
        run.form.cmbPrimaryKey_LostFocus();
        run.form.cmdOK_Click();
        EXPECT_EQ(run.events.size(), 1u);
        EXPECT_EQ(ModelText(*run.model.application), before) << c.name;
        EXPECT_EQ(run.form.Focus(), "txtName");
        // Accepted on the second try, a new key is added to the key order once.
        run.refuse = false;
        run.form.cmdOK_Click();
        EXPECT_FALSE(run.form.IsLoaded());
        const auto& keys = *run.model.order->KeyProperties();
        EXPECT_EQ(keys.Count(), std::string(c.key) == "Yes" ? 2 : 0) << c.name;
    }
}

TEST(frmPropertyBuilder, KeyLocksMandatoryAndUniqueWithoutTouchingTheModel) {
    PropertyDialogRun run;
    run.ShowExisting(run.model.order, "Amount");
    const std::string before = ModelText(*run.model.application);
    auto& form = run.form;
    form.cmbMandatory.SetText("Yes");
    form.cmbPrimaryKey.SetText("Yes");
    form.cmbPrimaryKey_LostFocus();
    EXPECT_EQ(form.cmbMandatory.Text(), "Yes");
    EXPECT_EQ(form.cmbUnique.Text(), "Yes");
    EXPECT_FALSE(form.cmbMandatory.Enabled);
    EXPECT_FALSE(form.cmbUnique.Enabled);
    form.cmbMandatory.SetText("No");
    form.cmbMandatory_LostFocus();
    EXPECT_EQ(form.cmbMandatory.Text(), "Yes");
    EXPECT_EQ(ModelText(*run.model.application), before);
    form.cmbPrimaryKey.SetText("No");
    form.cmbPrimaryKey_LostFocus();
    EXPECT_EQ(form.cmbMandatory.Text(), "No");
    EXPECT_EQ(form.cmbUnique.Text(), "No");
    EXPECT_TRUE(form.cmbMandatory.Enabled);
    // Leaving the key at "No" keeps what was chosen below it.
    form.cmbMandatory.SetText("Yes");
    form.cmbPrimaryKey_LostFocus();
    EXPECT_EQ(form.cmbMandatory.Text(), "Yes");
    form.cmdCancel_Click();
    EXPECT_EQ(ModelText(*run.model.application), before);
}

TEST(frmPropertyBuilder, KeyOrderIsRenumberedWhenAKeyLeaves) {
    PropertyDialogRun run;
    const auto& order = run.model.order;
    const auto line = builder_test::AddProperty(order, "LineNo", "Integer", true);
    const auto part = builder_test::AddProperty(order, "PartNo", "Long", true);
    // OrderID 1, LineNo 2, PartNo 3: LineNo leaves the key.
    run.ShowExisting(order, "LineNo");
    EXPECT_EQ(run.form.cmbPrimaryKey.Text(), "Yes");
    EXPECT_FALSE(run.form.cmbMandatory.Enabled);
    run.form.cmbPrimaryKey.SetText("No");
    run.form.cmbPrimaryKey_LostFocus();
    run.form.cmdOK_Click();
    const auto& keys = *order->KeyProperties();
    ASSERT_EQ(keys.Count(), 2);
    EXPECT_EQ(keys.KeyOf(1), "OrderID");
    EXPECT_EQ(keys.KeyOf(2), "PartNo");
    EXPECT_EQ(part->KeyIndex(), 2);
    EXPECT_EQ(line->KeyIndex(), 0);
    EXPECT_FALSE(line->IsKey());
    EXPECT_FALSE(line->Field()->IsPrimaryKey());
    // The key does not come back on the next edit.
    run.ShowExisting(order, "LineNo");
    EXPECT_EQ(run.form.cmbPrimaryKey.Text(), "No");
    // A renamed key keeps its place under its new name; a new key comes last.
    run.form.cmdCancel_Click();
    run.ShowExisting(order, "OrderID");
    run.form.txtName_Change("OrderNo");
    run.form.cmdOK_Click();
    EXPECT_EQ(keys.KeyOf(1), "OrderNo");
    run.ShowExisting(order, "Amount");
    run.form.cmbPrimaryKey.SetText("Yes");
    run.form.cmdOK_Click();
    EXPECT_EQ(keys.KeyOf(3), "Amount");
    const auto amount = run.model.Property(order, "Amount");
    EXPECT_EQ(amount->KeyIndex(), 3);
    EXPECT_TRUE(amount->IsMandatory());
    EXPECT_TRUE(amount->Field()->IsPrimaryKey());
}

TEST(frmPropertyBuilder, LoadingAPrimaryKeyFieldShowsTheKeyButChangesNothing) {
    PropertyDialogRun run;
    const auto amount = run.model.Property(run.model.order, "Amount");
    amount->Field()->SetIsPrimaryKey(true);
    const std::string before = ModelText(*run.model.application);
    run.ShowExisting(run.model.order, "Amount");
    EXPECT_EQ(run.form.cmbPrimaryKey.Text(), "Yes");
    EXPECT_EQ(run.form.cmbMandatory.Text(), "Yes");
    EXPECT_EQ(run.form.cmbUnique.Text(), "Yes");
    EXPECT_TRUE(run.form.cmdOKEnabled());
    run.form.cmdCancel_Click();
    EXPECT_EQ(ModelText(*run.model.application), before);
    EXPECT_FALSE(amount->IsMandatory());

    // A key that is also a foreign key cannot be changed here.
    amount->Field()->SetIsForeignKey(true);
    run.ShowExisting(run.model.order, "Amount");
    EXPECT_FALSE(run.form.cmbPrimaryKey.Enabled);
}

}  // namespace
}  // namespace builder
