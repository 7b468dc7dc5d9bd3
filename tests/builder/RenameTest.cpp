// Renaming business objects, properties and methods by their tree labels.

#include <gtest/gtest.h>

#include "tests/builder/MainWindowFixture.h"

namespace builder_test {
namespace {

using Lines = std::vector<std::string>;

class Rename : public MainWindow {
  protected:
    Rename() {
        for (const char* name : {"Customer", "Rel", "My_Order"})
            mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject(name));
        mForm.myPropertyForm_PropertyAdded(NewProperty("Customer", "Name"));
        mForm.myPropertyForm_PropertyAdded(NewProperty("Customer", "City"));
        mForm.myMethodForm_MethodAdded(NewMethod("Customer", "Fetch"));
        const auto& objects = *mForm.Application()->BusinessObjects();
        mForm.myRelationshipForm_RelationshipAdded(
            NewRelationship(*mForm.Application(), objects.Item("Rel"), objects.Item("Customer")));
        mForm.myRelationshipForm_RelationshipAdded(
            NewRelationship(*mForm.Application(), objects.Item("Rel"), objects.Item("Rel")));
        mForm.SetIsDataChanged(false);
    }

    // Starts the edit on `key` as Rename does; true when the label was accepted.
    bool Edit(const std::string& key, std::string label) {
        Select(key);
        mForm.mnuBusObjRename_Click();
        if (mForm.LabelEditKey() != key)
            return false;
        mLabel = label;
        return !mForm.BusObjTreeView_AfterLabelEdit(mLabel);
    }

    std::string mLabel;
};

TEST_F(Rename, RefusalsChangeNothing) {
    struct Case {
        std::string key;
        std::string label;
        std::string message;  // "" for none
    };
    const std::vector<Case> cases = {
        {"Customer.Properties.Name", "", ""},
        {"Customer.Properties.Name", "Name", ""},  // unchanged: no rename, no message
        {"Customer.Properties.Name", "city",
         "A business object property with the same name already \rexists for the Customer business object. "
         "(10, Error)"},
        {"Customer.Methods.Read", "Obtain", "CRUD methods cannot be renamed! (10, Error)"},
        {"Customer.Methods.Fetch", "ADD",
         "A business object method with the same name already \rexists for the Customer business object. "
         "(10, Error)"},
        {"Customer.Methods.Fetch", "2read", "Name must begin with a letter! (10, Error)"},
        {"Customer", "My Order",
         "A business object with the same name already \rexists for the  application. (10, Error)"},
        {"Customer", "rel",
         "A business object with the same name already \rexists for the  application. (10, Error)"},
        {"Customer", "Cust-omer", "There can be no puctuation in a name! (10, Error)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key + " -> " + c.label);
        const Lines tree = TreeKeys();
        const Lines properties = Rows(mForm.Views().PropertyListView);
        const size_t prompts = mScript.Prompts().size();
        EXPECT_FALSE(Edit(c.key, c.label));
        EXPECT_EQ(TreeKeys(), tree);
        EXPECT_EQ(Rows(mForm.Views().PropertyListView), properties);
        EXPECT_FALSE(mForm.IsDataChanged());
        if (c.message.empty()) {
            EXPECT_EQ(mScript.Prompts().size(), prompts);
        } else {
            ASSERT_EQ(mScript.Prompts().size(), prompts + 1);
            EXPECT_EQ(Messages().back(), c.message);
        }
    }
}

TEST_F(Rename, GroupsAndRelationshipsAreNotEditable) {
    for (const char* key : {"Customer.Properties", "Customer.Methods", "Rel.Relationships",
                            "Rel.Relationships.Relationship1", "Rel.RelationshipsRecursive.Relationship2"}) {
        SCOPED_TRACE(key);
        Select(key);
        EXPECT_TRUE(mForm.BusObjTreeView_BeforeLabelEdit());
        EXPECT_FALSE(Edit(key, "x"));
    }
    Select("Customer.Methods.Fetch");
    EXPECT_FALSE(mForm.BusObjTreeView_BeforeLabelEdit());
}

TEST_F(Rename, APropertyOrMethodIsReKeyedEverywhere) {
    const auto customer = mForm.Application()->BusinessObjects()->Item("Customer");
    const auto name = customer->Properties()->Item("Customer.Properties.Name");
    customer->KeyProperties()->Add(name, "Name");
    ASSERT_TRUE(Edit("Customer.Properties.Name", "Full Name"));
    EXPECT_EQ(mLabel, "Full_Name");
    EXPECT_EQ(name->Name(), "Full_Name");
    EXPECT_EQ(customer->Properties()->KeyOf(1), "Customer.Properties.Full_Name");
    EXPECT_EQ(customer->KeyProperties()->KeyOf(1), "Full_Name");
    EXPECT_EQ(mForm.Views().BusObjTreeView.Node("Customer.Properties.Full_Name").Text, "Full_Name");
    EXPECT_EQ(Rows(mForm.Views().PropertyListView)[0],
              "Customer.Properties.Full_Name = "
              "Customer|Full_Name|String|Read/Write|Name:|20|False|Name|True|TextBox|");
    EXPECT_TRUE(mForm.IsDataChanged());

    ASSERT_TRUE(Edit("Customer.Methods.Fetch", "Reread"));
    EXPECT_EQ(customer->Methods()->KeyOf(5), "Customer.Methods.Reread");
    EXPECT_EQ(mForm.Views().MethodListView.Row("Customer.Methods.Reread").SubItems[0], "Reread");
    // Only the letter case.
    ASSERT_TRUE(Edit("Customer.Methods.Reread", "ReRead"));
    EXPECT_EQ(customer->Methods()->KeyOf(5), "Customer.Methods.ReRead");
}

TEST_F(Rename, ABusinessObjectChangesOnlyTheLeadingSegmentOfItsKeys) {
    ASSERT_TRUE(Edit("Rel", "Link Type"));
    EXPECT_EQ(mLabel, "Link_Type");
    const auto& app = *mForm.Application();
    const auto renamed = app.BusinessObjects()->Item("Link_Type");
    EXPECT_EQ(app.BusinessObjects()->KeyOf(2), "Link_Type");
    EXPECT_EQ(renamed->Methods()->KeyOf(1), "Link_Type.Methods.Add");
    EXPECT_EQ(renamed->Methods()->Item(1)->BusinessObjectName(), "Link_Type");
    EXPECT_EQ(TreeKeys(), (Lines{"Customer *",
                                 "  Customer.Properties",
                                 "    Customer.Properties.Name",
                                 "    Customer.Properties.City",
                                 "  Customer.Methods",
                                 "    Customer.Methods.Add",
                                 "    Customer.Methods.Update",
                                 "    Customer.Methods.Read",
                                 "    Customer.Methods.Delete",
                                 "    Customer.Methods.Fetch",
                                 "  Customer.Relationships",
                                 "    Customer.Relationships.Relationship1",
                                 "Link_Type *",
                                 "  Link_Type.Properties",
                                 "  Link_Type.Methods",
                                 "    Link_Type.Methods.Add",
                                 "    Link_Type.Methods.Update",
                                 "    Link_Type.Methods.Read",
                                 "    Link_Type.Methods.Delete",
                                 "  Link_Type.Relationships",
                                 "    Link_Type.Relationships.Relationship1",
                                 "    Link_Type.Relationships.Relationship2",
                                 "    Link_Type.RelationshipsRecursive.Relationship2",
                                 "My_Order *",
                                 "  My_Order.Properties",
                                 "  My_Order.Methods",
                                 "    My_Order.Methods.Add",
                                 "    My_Order.Methods.Update",
                                 "    My_Order.Methods.Read",
                                 "    My_Order.Methods.Delete",
                                 "  My_Order.Relationships"}));
    const auto& tree = mForm.Views().BusObjTreeView;
    EXPECT_EQ(tree.Node("Link_Type").Text, "Link_Type");
    EXPECT_EQ(tree.Node("Link_Type.Relationships").Text, "Relationships");
    EXPECT_EQ(tree.Node("Customer.Relationships.Relationship1").Text, "holds Many Link_Type");
    EXPECT_EQ(tree.Node("Link_Type.RelationshipsRecursive.Relationship2").Text, "holds Many Link_Type");
    EXPECT_EQ(
        Rows(mForm.Views().RelationshipListView),
        (Lines{"Link_Type.Relationships.Relationship1 = Link_Type|always|belongs to|One|Customer",
               "Customer.Relationships.Relationship1 = Customer|sometimes|holds|Many|Link_Type",
               "Link_Type.Relationships.Relationship2 = Link_Type|always|belongs to|One|Link_Type",
               "Link_Type.RelationshipsRecursive.Relationship2 = Link_Type|sometimes|holds|Many|Link_Type"}));
    // The ends are filed under the new keys in the relationship and at both business objects.
    const auto recursive = app.Relationships()->Item("Relationship2");
    EXPECT_EQ(recursive->Associations()->KeyOf(2), "Link_Type.RelationshipsRecursive.Relationship2");
    EXPECT_EQ(renamed->SourceAssociations()->KeyOf(1), "Link_Type.Relationships.Relationship1");
    EXPECT_EQ(renamed->TargetAssociations()->KeyOf(1), "Customer.Relationships.Relationship1");
    EXPECT_EQ(app.BusinessObjects()->Item("Customer")->TargetAssociations()->KeyOf(1),
              "Link_Type.Relationships.Relationship1");
    EXPECT_TRUE(mForm.IsDataChanged());
}

TEST_F(Rename, RenameFromAListEditsTheTreeNode) {
    mForm.Views().PropertyListView.Select("Customer.Properties.City");
    mForm.ListView_MouseDown(ListTab::Properties, 2);
    mForm.mnuPropMethRename_Click();
    EXPECT_EQ(mForm.LabelEditKey(), "Customer.Properties.City");
    mForm.Views().RelationshipListView.Select("Rel.Relationships.Relationship1");
    mForm.ListView_MouseDown(ListTab::Relationships, 2);
    mForm.mnuPropMethRename_Click();
    EXPECT_EQ(mForm.LabelEditKey(), "Customer.Properties.City");
    // Edit on a business object's node renames it; on a group node it opens nothing.
    Select("My_Order");
    mForm.BusObjTreeView_MouseDown(2);
    mForm.mnuPropMethEdit_Click();
    EXPECT_EQ(mForm.LabelEditKey(), "My_Order");
    EXPECT_EQ(mForm.CurrentContext(), Context::None);
}

}  // namespace
}  // namespace builder_test
