// The handlers through which items enter the model and the views, the popup and GetBusinessObject.

#include <gtest/gtest.h>

#include "tests/builder/MainWindowFixture.h"

namespace builder_test {
namespace {

using Lines = std::vector<std::string>;

class Handlers : public MainWindow {
  protected:
    // Customer with a property, Order with a property and a method, Order -> Customer, Order -> Order.
    void AddSample() {
        mCustomer = NewBusinessObject("Customer");
        mOrder = NewBusinessObject("Order");
        ASSERT_TRUE(mForm.myBusObjForm_BusinessObjectAdded(mCustomer));
        ASSERT_TRUE(mForm.myBusObjForm_BusinessObjectAdded(mOrder));
        ASSERT_TRUE(mForm.myPropertyForm_PropertyAdded(NewProperty("Customer", "Name")));
        ASSERT_TRUE(mForm.myPropertyForm_PropertyAdded(NewProperty("Order", "Notes", true)));
        ASSERT_TRUE(mForm.myMethodForm_MethodAdded(NewMethod("Order", "Total")));
        ASSERT_TRUE(mForm.myRelationshipForm_RelationshipAdded(
            NewRelationship(*mForm.Application(), mOrder, mCustomer)));
        ASSERT_TRUE(mForm.myRelationshipForm_RelationshipAdded(
            NewRelationship(*mForm.Application(), mOrder, mOrder)));
    }

    BusObjPtr mCustomer;
    BusObjPtr mOrder;
};

TEST_F(Handlers, FileItemsUnderTheKeysAndTextsOfTheViews) {
    AddSample();
    EXPECT_EQ(TreeKeys(), (Lines{"Customer *",
                                 "  Customer.Properties",
                                 "    Customer.Properties.Name",
                                 "  Customer.Methods",
                                 "    Customer.Methods.Add",
                                 "    Customer.Methods.Update",
                                 "    Customer.Methods.Read",
                                 "    Customer.Methods.Delete",
                                 "  Customer.Relationships",
                                 "    Customer.Relationships.Relationship1",
                                 "Order *",
                                 "  Order.Properties",
                                 "    Order.Properties.Notes",
                                 "  Order.Methods",
                                 "    Order.Methods.Add",
                                 "    Order.Methods.Update",
                                 "    Order.Methods.Read",
                                 "    Order.Methods.Delete",
                                 "    Order.Methods.Total",
                                 "  Order.Relationships",
                                 "    Order.Relationships.Relationship1",
                                 "    Order.Relationships.Relationship2",
                                 "    Order.RelationshipsRecursive.Relationship2"}));
    const auto& tree = mForm.Views().BusObjTreeView;
    EXPECT_EQ(tree.Node("Order.Relationships.Relationship1").Text, "belongs to One Customer");
    EXPECT_EQ(tree.Node("Customer.Relationships.Relationship1").Text, "holds Many Order");
    EXPECT_EQ(tree.Node("Order.Methods").Text, "Methods");
    EXPECT_EQ(tree.Node("Order").Image, "BusinessObject");

    EXPECT_EQ(
        Rows(mForm.Views().PropertyListView),
        (Lines{
            "Customer.Properties.Name = Customer|Name|String|Read/Write|Name:|20|False|Name|True|TextBox|",
            // A field that takes nulls makes the property optional.
            "Order.Properties.Notes = Order|Notes|String|Read/Write|Notes:|20|False|Notes|False|TextBox|"}));
    EXPECT_EQ(Rows(mForm.Views().MethodListView)[4], "Order.Methods.Add = Order|Add|Sub|None");
    EXPECT_EQ(Rows(mForm.Views().MethodListView).back(), "Order.Methods.Total = Order|Total|Function|Long");
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView),
              (Lines{"Order.Relationships.Relationship1 = Order|always|belongs to|One|Customer",
                     "Customer.Relationships.Relationship1 = Customer|sometimes|holds|Many|Order",
                     "Order.Relationships.Relationship2 = Order|always|belongs to|One|Order",
                     "Order.RelationshipsRecursive.Relationship2 = Order|sometimes|holds|Many|Order"}));

    const auto& app = *mForm.Application();
    EXPECT_EQ(app.BusinessObjects()->KeyOf(2), "Order");
    EXPECT_EQ(mOrder->Methods()->KeyOf(5), "Order.Methods.Total");
    EXPECT_EQ(mOrder->Properties()->KeyOf(1), "Order.Properties.Notes");
    EXPECT_EQ(app.Relationships()->KeyOf(2), "Relationship2");
    EXPECT_EQ(mOrder->Methods()->Item(1)->BusinessObjectName(), "Order");
    EXPECT_TRUE(mForm.IsDataChanged());
    EXPECT_TRUE(mForm.HasBusObj());
    EXPECT_FALSE(mForm.IsAddingBusObj());
    EXPECT_TRUE(mScript.Prompts().empty());
}

TEST_F(Handlers, RefuseAKeyTakenIgnoringCaseAndChangeNothing) {
    AddSample();
    struct Case {
        std::string name;
        std::function<bool()> add;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"business object",
         [&] { return mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("ORDER")); },
         "A business object with the same name already \rexists for the  application. (10, Error)"},
        {"property", [&] { return mForm.myPropertyForm_PropertyAdded(NewProperty("Customer", "name")); },
         "A property with the same name already exists for the Customer Business Object. (64, Information)"},
        {"method", [&] { return mForm.myMethodForm_MethodAdded(NewMethod("Order", "TOTAL")); },
         "A method with the same name already exists for the Order Business Object. (64, Information)"},
        {"standard method", [&] { return mForm.myMethodForm_MethodAdded(NewMethod("order", "read")); },
         "A method with the same name already exists for the Order Business Object. (64, Information)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Lines tree = TreeKeys();
        const Lines properties = Rows(mForm.Views().PropertyListView);
        const Lines methods = Rows(mForm.Views().MethodListView);
        const int32_t orderMethods = mOrder->Methods()->Count();
        const size_t prompts = mScript.Prompts().size();
        EXPECT_FALSE(c.add());
        EXPECT_EQ(TreeKeys(), tree);
        EXPECT_EQ(Rows(mForm.Views().PropertyListView), properties);
        EXPECT_EQ(Rows(mForm.Views().MethodListView), methods);
        EXPECT_EQ(mOrder->Methods()->Count(), orderMethods);
        ASSERT_EQ(mScript.Prompts().size(), prompts + 1);
        EXPECT_EQ(Messages().back(), c.message);
    }
    EXPECT_EQ(mForm.Application()->BusinessObjects()->Count(), 2);
}

TEST_F(Handlers, ABusinessObjectNotInTheApplicationIsAnError) {
    AddSample();
    try {
        mForm.myPropertyForm_PropertyAdded(NewProperty("Invoice", "Total"));
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kSubscriptOutOfRange);
    }
    EXPECT_EQ(mForm.Views().PropertyListView.Count(), 2);
}

TEST_F(Handlers, UpdatedHandlersFindTheItemByItsFiledKey) {
    AddSample();
    const auto method = mOrder->Methods()->Item("Order.Methods.Total");
    // Another row is selected: the update must not touch it.
    mForm.Views().MethodListView.Select("Order.Methods.Add");
    method->SetName("GrandTotal");
    method->SetReturnDataType("Currency");
    ASSERT_TRUE(mForm.myMethodForm_MethodUpdated(method));
    EXPECT_EQ(mOrder->Methods()->KeyOf(5), "Order.Methods.GrandTotal");
    EXPECT_EQ(mForm.Views().BusObjTreeView.Node("Order.Methods.GrandTotal").Text, "GrandTotal");
    EXPECT_EQ(Rows(mForm.Views().MethodListView).back(),
              "Order.Methods.GrandTotal = Order|GrandTotal|Function|Currency");
    EXPECT_EQ(Rows(mForm.Views().MethodListView)[4], "Order.Methods.Add = Order|Add|Sub|None");

    // A clash keeps the old key in model and views; the dialog then sets its DuplicateName.
    method->SetName("update");
    EXPECT_FALSE(mForm.myMethodForm_MethodUpdated(method));
    EXPECT_EQ(mOrder->Methods()->KeyOf(5), "Order.Methods.GrandTotal");
    EXPECT_TRUE(mForm.Views().BusObjTreeView.Contains("Order.Methods.GrandTotal"));

    // A key property renamed in its dialog keeps its place among the keys.
    const auto property = mCustomer->Properties()->Item("Customer.Properties.Name");
    property->SetIsKey(true);
    mCustomer->KeyProperties()->Add(property, "Name");
    property->SetName("FullName");
    property->Field()->SetIsNullable(true);
    ASSERT_TRUE(mForm.myPropertyForm_PropertyUpdated(property));
    EXPECT_EQ(mCustomer->KeyProperties()->KeyOf(1), "FullName");
    EXPECT_EQ(Rows(mForm.Views().PropertyListView)[0],
              "Customer.Properties.FullName = "
              "Customer|FullName|String|Read/Write|Name:|20|True|Name|False|TextBox|");

    // Ends of a relationship refresh their rows and node texts.
    const auto relationship = mForm.Application()->Relationships()->Item("Relationship1");
    relationship->Associations()->Item(1)->SetDescription("is placed by");
    relationship->Associations()->Item(1)->SetIsOptional(true);
    mForm.myRelationshipForm_RelationshipUpdated(relationship);
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView)[0],
              "Order.Relationships.Relationship1 = Order|sometimes|is placed by|One|Customer");
    EXPECT_EQ(mForm.Views().BusObjTreeView.Node("Order.Relationships.Relationship1").Text,
              "is placed by One Customer");
}

TEST_F(Handlers, ThePopupShowsTheDeleteItemsOfTheViewAndSetsOneContext) {
    AddSample();
    struct Case {
        std::string clicked;  // a tree key, or a list
        bool methodDelete;
        bool relationshipDelete;
        Context context;
    };
    const std::vector<Case> cases = {
        {"Order.Methods.Total", true, false, Context::Tree},
        {"Order.Properties.Notes", false, false, Context::Tree},
        {"Order.Relationships.Relationship2", false, true, Context::Tree},
        {"Order.RelationshipsRecursive.Relationship2", false, true, Context::Tree},
        {"Order", false, false, Context::Tree},
        {"properties", false, false, Context::Property},
        {"methods", true, false, Context::Method},
        {"relationships", false, true, Context::Relationship},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clicked);
        if (c.clicked == "properties")
            mForm.ListView_MouseDown(ListTab::Properties, 2);
        else if (c.clicked == "methods")
            mForm.ListView_MouseDown(ListTab::Methods, 2);
        else if (c.clicked == "relationships")
            mForm.ListView_MouseDown(ListTab::Relationships, 2);
        else {
            Select(c.clicked);
            mForm.BusObjTreeView_MouseDown(2);
        }
        EXPECT_EQ(mForm.MenuVisible("mnuPropMethDelete"), c.methodDelete);
        EXPECT_EQ(mForm.MenuVisible("mnuRelationshipDelete"), c.relationshipDelete);
        EXPECT_EQ(mForm.CurrentContext(), c.context);
    }
    // Only the right button opens the popup.
    mForm.BusObjTreeView_MouseDown(1);
    EXPECT_EQ(mForm.CurrentContext(), Context::Relationship);
}

TEST_F(Handlers, AnEmptyListSetsTheTreeContext) {
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
    mForm.Views().BusObjTreeView.Select("Customer.Methods.Read");
    mForm.ListView_MouseDown(ListTab::Properties, 2);
    EXPECT_EQ(mForm.CurrentContext(), Context::Tree);
    EXPECT_EQ(mForm.GetBusinessObject()->Name(), "Customer");
}

TEST_F(Handlers, GetBusinessObjectNamesTheOwnerOfTheSelection) {
    AddSample();
    struct Case {
        Context context;
        std::string selected;  // tree key or row key
        std::string expected;  // "" for none
    };
    const std::vector<Case> cases = {
        {Context::Tree, "Order", "Order"},
        {Context::Tree, "Order.Properties", "Order"},
        {Context::Tree, "Customer.Methods.Read", "Customer"},
        {Context::Tree, "Customer.Relationships", "Customer"},
        {Context::Tree, "Order.RelationshipsRecursive.Relationship2", "Order"},
        {Context::Property, "Customer.Properties.Name", "Customer"},
        {Context::Method, "Order.Methods.Total", "Order"},
        {Context::Relationship, "Customer.Relationships.Relationship1", "Customer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        auto& views = mForm.Views();
        switch (c.context) {
            case Context::Property:
                views.PropertyListView.Select(c.selected);
                break;
            case Context::Method:
                views.MethodListView.Select(c.selected);
                break;
            case Context::Relationship:
                views.RelationshipListView.Select(c.selected);
                break;
            default:
                Select(c.selected);
        }
        mForm.SetContext(c.context);
        const auto found = mForm.GetBusinessObject();
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->Name(), c.expected);
        EXPECT_EQ(mForm.CurrentBusObj(), found);
    }
    // A business object that the application does not hold is never the answer.
    mForm.SetContext(Context::None);
    mForm.SetCurrentBusObj(NewBusinessObject("Invoice"));
    EXPECT_EQ(mForm.GetBusinessObject(), nullptr);
}

}  // namespace
}  // namespace builder_test
