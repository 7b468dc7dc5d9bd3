// The business object, property and method commands of the main window through their dialogs, and a
// business object entered that way on a copy of the sample: stored, and the same when opened again.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/frmBusObjBuilder.h"
#include "builder/frmMethodBuilder.h"
#include "builder/frmPropertyBuilder.h"
#include "core/qelTable.h"
#include "tests/builder/MainWindowFixture.h"
#include "tests/builder/SampleWindow.h"

namespace builder_test {
namespace {

using Lines = std::vector<std::string>;

template <typename Dialog>
void Answer(ui::ScriptedInteraction& script, std::function<void(Dialog&)> act) {
    script.AnswerDialog([act](ui::ModalDialog& shown) { act(dynamic_cast<Dialog&>(shown)); });
}

TEST_F(MainWindow, PropertyAndMethodCommandsNeedABusinessObject) {
    mForm.mnuPropertyNew_Click();
    mForm.mnuMethodNew_Click();
    mForm.RunMenuCommand("mnuBusObjAddVirtualProperty");
    EXPECT_EQ(
        Messages(),
        (Lines{"You must create the business object before you can add properties! (64, Information)",
               "You must create the business object before you can add methods! (64, Information)",
               "You must create the business object before you can add properties! (64, Information)"}));
    EXPECT_TRUE(mScript.DialogsShown().empty());
}

std::string Text(const dao::Row& row, const char* column) {
    return row[column].IsNull() ? "Null" : row[column].ToString();
}

TEST_F(Sample, ABusinessObjectEnteredThroughTheDialogsIsStoredAndOpensAgain) {
    Open("K1");
    Answer<builder::frmBusObjBuilder>(mScript, [](auto& dialog) {
        dialog.txtName_Change("Shipment");
        dialog.cmdOK_Click();
    });
    mForm.tlbToolBar_ButtonClick("BusObj");
    Select("Shipment");
    Answer<builder::frmPropertyBuilder>(mScript, [](auto& dialog) {
        EXPECT_EQ(dialog.Caption(), "Property Builder - Shipment Business Object");
        dialog.txtName_Change("Shipment ID");
        dialog.cmbDataType.SetText("Long");
        dialog.txtLength.Text = "4";
        dialog.cmbPrimaryKey.SetText("Yes");
        dialog.cmbPrimaryKey_LostFocus();
        dialog.cmdOK_Click();
    });
    mForm.tlbToolBar_ButtonClick("Property");
    Answer<builder::frmPropertyBuilder>(mScript, [](auto& dialog) {
        dialog.txtName_Change("Carrier");
        dialog.txtLength.Text = "30";
        dialog.cmbMandatory.SetText("Yes");
        dialog.SSTab1_Click(1);
        dialog.optPV_Click(builder::frmPropertyBuilder::pvList);
        for (const char* value : {"UPS", "DHL"}) {
            dialog.txtPerVal.Text = value;
            dialog.cmdMoveFields_Click(0);
        }
        dialog.cmdOK_Click();
    });
    mForm.tlbToolBar_ButtonClick("Property");
    Answer<builder::frmMethodBuilder>(mScript, [](auto& dialog) {
        EXPECT_EQ(dialog.Caption(), "Method Builder - Shipment Business Object");
        dialog.txtName_Change("Track");
        dialog.cmbType.SetText("Function");
        dialog.cmbReturnDataType.SetText("String");
        dialog.txtSPName.Text = "spTrack";
        dialog.cmdOK_Click();
    });
    mForm.tlbToolBar_ButtonClick("Method");
    EXPECT_TRUE(mScript.Prompts().empty());
    EXPECT_EQ(Rows(mForm.Views().MethodListView).back(),
              "Shipment.Methods.Track = Shipment|Track|Function|String");

    // Edit on a property leaf and a double click on a method row open the item.
    std::vector<std::string> opened;
    Answer<builder::frmPropertyBuilder>(mScript, [&opened](auto& dialog) {
        opened.push_back(dialog.txtName.Text + " " + dialog.cmbPrimaryKey.Text());
        dialog.cmdCancel_Click();
    });
    Select("Shipment.Properties.Shipment_ID");
    mForm.SetContext(Context::Tree);
    mForm.mnuPropMethEdit_Click();
    Answer<builder::frmMethodBuilder>(mScript, [&opened](auto& dialog) {
        opened.push_back(dialog.txtName.Text + " " + dialog.txtSPName.Text);
        dialog.cmdCancel_Click();
    });
    mForm.Views().MethodListView.Select("Shipment.Methods.Track");
    mForm.ListView_DblClick(ListTab::Methods);
    EXPECT_EQ(opened, (Lines{"Shipment_ID Yes", "Track spTrack"}));

    mForm.mnuFileSave_Click();
    dao::SqliteDatabase& db = *mForm.dbZUN();
    const auto businessObjects = db.Select("BusinessObject", {{"Name", "Shipment"}});
    ASSERT_EQ(businessObjects.Count(), 1u);
    const auto& shipment = businessObjects[0];
    EXPECT_EQ(Text(shipment, "L1ClassName") + " " + Text(shipment, "L2DisplayClass") + " " +
                  Text(shipment, "L3ListClass"),
              "ShipmentUI ShipmentDisplay ShipmentListPersist");
    const vb::Variant id = shipment["ID"];
    const auto tables = db.Select("Table", {{"BusObjID", id}});
    ASSERT_EQ(tables.Count(), 1u);
    EXPECT_EQ(Text(tables[0], "Name"), "Shipment");
    Lines properties;
    for (const auto& row : db.Select("Property", {{"BusObjID", id}})) {
        std::string line = Text(row, "Name") + "|" + Text(row, "DataType") + "|" + Text(row, "Length") + "|" +
                           Text(row, "Label") + "|key " + Text(row, "IsKey") + "|mandatory " +
                           Text(row, "IsMandatory") + "|unique " + Text(row, "IsUnique") + "|list " +
                           Text(row, "IsPVList") + "|";
        for (const auto& field : db.Select("Field", {{"BusObjPropID", row["ID"]}}))
            line += Text(field, "Name") + "/" + Text(field, "DataType") + "/" + Text(field, "Length") +
                    "/pk " + Text(field, "IsPrimaryKey") + "/" +
                    (field["TableID"] == tables[0]["ID"] ? "in table" : "elsewhere");
        for (const auto& value : db.Select("PermittedValues", {{"PropID", row["ID"]}}))
            line += " " + Text(value, "PermittedValue");
        properties.push_back(line);
    }
    EXPECT_EQ(properties,
              (Lines{"Shipment_ID|Long|4|Shipment ID:|key True|mandatory True|unique True|list False|"
                     "Shipment_ID/Long/4/pk True/in table",
                     "Carrier|String|30|Carrier:|key False|mandatory True|unique False|list True|"
                     "Carrier/String/30/pk False/in table UPS DHL"}));
    Lines methods;
    for (const auto& row : db.Select("Method", {{"BusObjID", id}}))
        methods.push_back(Text(row, "Name") + "|" + Text(row, "MethodType") + "|" +
                          Text(row, "ReturnDataType") + "|" + Text(row, "IsStoredProcedure") + "|" +
                          Text(row, "StoredProcedureName"));
    EXPECT_EQ(methods, (Lines{"Add|Sub|None|False|", "Update|Sub|None|False|", "Read|Sub|None|False|",
                              "Delete|Sub|None|False|", "Track|Function|String|True|spTrack"}));

    Open("K1");
    const auto& reopened = mForm.Application()->BusinessObjects()->Item("Shipment");
    ASSERT_EQ(reopened->KeyProperties()->Count(), 1);
    const auto& key = reopened->KeyProperties()->Item(1);
    EXPECT_EQ(key->Name(), "Shipment_ID");
    EXPECT_EQ(key->KeyIndex(), 1);
    EXPECT_TRUE(key->Field()->IsPrimaryKey());
    EXPECT_EQ(reopened->Table()->Name(), "Shipment");
    const auto& carrier = reopened->Properties()->Item("Shipment.Properties.Carrier");
    EXPECT_EQ(Lines(carrier->PermittedValues()->begin(), carrier->PermittedValues()->end()),
              (Lines{"UPS", "DHL"}));
}

}  // namespace
}  // namespace builder_test
