// The business object, property and method commands of the main window through their dialogs, and a
// business object entered that way on a copy of the sample: stored, and the same when opened again.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "builder/RelationshipPickers.h"
#include "builder/frmBusObjBuilder.h"
#include "builder/frmMethodBuilder.h"
#include "builder/frmPropertyBuilder.h"
#include "builder/frmRelationshipBuilder.h"
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

TEST_F(MainWindow, NewRelationshipNeedsABusinessObject) {
    mForm.mnuRelationshipNew_Click();
    mForm.tlbToolBar_ButtonClick("Relationship");
    const std::string refusal =
        "You must have at least one business object before you can add a relationship! (64, Information)";
    EXPECT_EQ(Messages(), (Lines{refusal, refusal}));
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

// A relationship entered through the dialog on the sample: Shipment refers to Order through OrderID.
TEST_F(Sample, ARelationshipEnteredThroughTheDialogIsStoredOpensAgainAndIsDeleted) {
    Open("K1");
    auto shipment = NewBusinessObject("Shipment");
    mForm.myBusObjForm_BusinessObjectAdded(shipment);
    auto shipmentID = NewProperty("Shipment", "ShipmentID");
    shipmentID->SetDataType("Long");
    shipmentID->SetLength(4);
    shipmentID->SetIsKey(true);
    shipment->KeyProperties()->Add(shipmentID, "ShipmentID");
    shipmentID->SetKeyIndex(1);
    mForm.myPropertyForm_PropertyAdded(shipmentID);
    auto orderID = NewProperty("Shipment", "OrderID");
    orderID->SetIsMandatory(false);
    orderID->SetDataType("Long");
    orderID->SetLength(4);
    mForm.myPropertyForm_PropertyAdded(orderID);

    Select("Shipment");
    Lines offered;
    Answer<builder::frmRelationshipBuilder>(mScript, [](auto& dialog) {
        for (const auto& [name, button] : {std::pair{"Shipment", 0}, std::pair{"Order", 2}}) {
            const auto& items = dialog.lstAllBusObjects.Items;
            dialog.lstAllBusObjects.ListIndex =
                static_cast<int32_t>(std::find(items.begin(), items.end(), name) - items.begin());
            dialog.cmdMoveFields_Click(button);
        }
        dialog.optA1Always_Click();
        dialog.txtAssoc1Name_Change("ships");
        dialog.txtAssoc2Name_Change("is shipped by");
        dialog.SSTab1_Click(builder::frmRelationshipBuilder::RelatedProperties);
        dialog.MatchedListView.ListIndex = 0;
        dialog.MatchedListView_DblClick();
        dialog.cmdOK_Click();
    });
    Answer<builder::frmMatchPropertiesPopUp>(mScript, [&offered](auto& picker) {
        offered = picker.lstProperties.Items;
        picker.lstProperties.ListIndex = 1;
        picker.cmdOK_Click();
    });
    mForm.RunMenuCommand("mnuBusObjAddRelationship");
    EXPECT_EQ(offered, (Lines{"ShipmentID", "OrderID"}));
    EXPECT_TRUE(mScript.Prompts().empty());
    const std::string name = "Relationship5";
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView).back(),
              "Order.Relationships." + name + " = Order|always|is shipped by|Many|Shipment");
    EXPECT_TRUE(orderID->IsForeignProperty());
    // The receiving end is "always": the foreign key became mandatory, and its row says so.
    EXPECT_TRUE(orderID->IsMandatory());
    EXPECT_EQ(mForm.Views().PropertyListView.Row("Shipment.Properties.OrderID").SubItems[7], "True");
    EXPECT_TRUE(mForm.IsDataChanged());

    mForm.mnuFileSave_Click();
    dao::SqliteDatabase& db = *mForm.dbZUN();
    const auto stored = db.Query(R"sql(SELECT "RelType" FROM "Relationship" WHERE "ID" > 4)sql");
    ASSERT_EQ(stored.Count(), 1u);
    EXPECT_EQ(Text(stored[0], "RelType"), "Reference");
    Lines associations;
    for (const auto& row : db.Query(R"sql(SELECT "SourceBusObjID", "TargetBusObjID", "Cardinality",
                                             "IsOptional", "Description" FROM "Association" WHERE "ID" > 8
                                      ORDER BY "ID")sql"))
        associations.push_back(Text(row, "SourceBusObjID") + ">" + Text(row, "TargetBusObjID") + " " +
                               Text(row, "Cardinality") + " " + Text(row, "IsOptional") + " " +
                               Text(row, "Description"));
    const std::string shipmentRow = std::to_string(shipment->DBID());
    EXPECT_EQ(associations,
              (Lines{shipmentRow + ">3 One False ships", "3>" + shipmentRow + " Many False is shipped by"}));
    const auto foreign = db.Query(R"sql(SELECT "ForeignKeyFldID", "AssociationID" FROM "Property"
                                        WHERE "Name" = 'OrderID' AND "BusObjID" = ?1)sql",
                                  {shipment->DBID()});
    ASSERT_EQ(foreign.Count(), 1u);
    EXPECT_EQ(Text(foreign[0], "ForeignKeyFldID"), "17");
    EXPECT_EQ(Text(foreign[0], "AssociationID"), "9");

    // Opened again: the relationship is there, and a double click on its row opens it with its key list.
    Open("K1");
    ASSERT_TRUE(mForm.Application()->Relationships()->Exists(name));
    Lines keyRows;
    Answer<builder::frmRelationshipBuilder>(mScript, [&keyRows](auto& dialog) {
        EXPECT_TRUE(dialog.IsEditMode());
        EXPECT_EQ(dialog.Caption(), "Relationship Builder - Shipment and Order");
        for (const auto& row : dialog.MatchedListView.Rows)
            keyRows.push_back(row.Key + "=" + row.Matched);
        dialog.cmdCancel_Click();
    });
    mForm.Views().RelationshipListView.Select("Shipment.Relationships." + name);
    mForm.ListView_DblClick(ListTab::Relationships);
    EXPECT_EQ(keyRows, (Lines{"OrderID=OrderID"}));
    // Edit on the other end's leaf opens the same relationship.
    Answer<builder::frmRelationshipBuilder>(mScript, [&keyRows](auto& dialog) {
        keyRows.push_back(dialog.Caption());
        dialog.cmdCancel_Click();
    });
    Select("Order.Relationships." + name);
    mForm.SetContext(Context::Tree);
    mForm.mnuPropMethEdit_Click();
    EXPECT_EQ(keyRows.back(), "Relationship Builder - Shipment and Order");

    mForm.Views().RelationshipListView.Select("Order.Relationships." + name);
    mForm.ListView_MouseDown(ListTab::Relationships, 2);
    mForm.RunMenuCommand("mnuRelationshipDelete");
    EXPECT_FALSE(mForm.Application()->Relationships()->Exists(name));
    EXPECT_EQ(db.Query(R"sql(SELECT "ID" FROM "Association" WHERE "ID" > 8)sql").Count(), 0u);
    EXPECT_EQ(db.Query(R"sql(SELECT "ID" FROM "Property" WHERE "AssociationID" = 9)sql").Count(), 0u);
}

}  // namespace
}  // namespace builder_test
