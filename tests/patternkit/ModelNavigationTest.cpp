// Navigation and property sets on a model with identifying, reference and subtype relationships.

#include <gtest/gtest.h>

#include <functional>

#include "patternkit/Common.h"
#include "tests/patternkit/ModelDoubles.h"

namespace {

using patternkit::BusinessObjectSet;
using patternkit::PropertySet;
using testing_support::FakeBusinessObject;
using testing_support::FakeProperty;
using Names = std::vector<std::string>;

template <typename Set>
Names NamesOf(const Set& set) {
    Names names;
    for (const auto& item : set)
        names.push_back(item->Name());
    return names;
}

// Customer contains Order twice over (two identifying relationships); Order refers to Product by a
// reference and a subtype relationship, to Shipper by a reference, to Voucher by a subtype relationship
// alone, and to Warehouse by an association whose cardinality is spelt "one".
class OrdersModel : public ::testing::Test {
  protected:
    void SetUp() override {
        customer = model.AddBusinessObject("Customer");
        order = model.AddBusinessObject("Order");
        product = model.AddBusinessObject("Product");
        shipper = model.AddBusinessObject("Shipper");
        warehouse = model.AddBusinessObject("Warehouse");
        voucher = model.AddBusinessObject("Voucher");

        Add("OrderID", "Long", [](FakeProperty& p) { p.isKey = true; });
        auto customerID = Add("CustomerID", "Long", [](FakeProperty& p) { p.isKey = p.isForeign = true; });
        auto productID = Add("ProductID", "Long", [](FakeProperty& p) { p.isForeign = p.isPVFKey = true; });
        Add("Code", "String", [](FakeProperty& p) { p.isUnique = true; });
        Add("Notes", "Memo");
        Add("Photo", "OLE Object");
        Add("Total", "Currency", [](FakeProperty& p) { p.isVirtual = true; });
        Add("Loose", "Long", [](FakeProperty& p) { p.isForeign = p.isPVFKey = true; });

        model.Relate(order, customer, "Identifying")->foreignProperties->items = {customerID};
        model.Relate(order, customer, "Identifying");
        model.Relate(order, shipper, "Reference");
        // The product key is named by a property object of its own, with blanks round the name.
        auto namedLikeProductID = std::make_shared<FakeProperty>();
        namedLikeProductID->name = " ProductID ";
        model.Relate(order, product, "Reference")->foreignProperties->items = {namedLikeProductID, productID};
        model.Relate(order, product, "Subtype");
        model.Relate(order, voucher, "Subtype");
        model.Relate(order, warehouse, "Identifying", "one");
    }

    std::shared_ptr<FakeProperty> Add(const std::string& name, const std::string& dataType,
                                      const std::function<void(FakeProperty&)>& configure = {}) {
        auto property = model.AddProperty(*order, name, dataType);
        if (configure)
            configure(*property);
        return property;
    }

    std::shared_ptr<FakeProperty> Property(const std::string& name) const {
        return std::static_pointer_cast<FakeProperty>(order->properties->Item(name));
    }

    testing_support::FakeModel model;
    std::shared_ptr<FakeBusinessObject> customer, order, product, shipper, warehouse, voucher;
};

TEST_F(OrdersModel, NavigationFollowsOnlyOneAssociationsOfTheirRelationshipType) {
    namespace C = patternkit::Common;
    const struct {
        const char* what;
        BusinessObjectSet found;
        Names expected;
    } cases[] = {
        {"parents of Order", C::GetParentBusObjs(*order), {"Customer", "Customer"}},
        {"children of Customer", C::GetChildBusObjs(*customer), {"Order", "Order"}},
        {"children of Order", C::GetChildBusObjs(*order), {}},
        {"parents of Customer", C::GetParentBusObjs(*customer), {}},
        {"references of Order", C::GetReferenceBusObjs(*order), {"Shipper", "Product", "Voucher"}},
        {"references of Product", C::GetReferenceBusObjs(*product), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NamesOf(c.found), c.expected) << c.what;
}

TEST_F(OrdersModel, GetItemByNameFindsTheFirstExactMatch) {
    const auto properties = order->Properties();
    EXPECT_EQ(patternkit::Common::GetItemByName(*properties, "Code"), Property("Code"));
    EXPECT_EQ(patternkit::Common::GetItemByName(*properties, "code"), nullptr);
    const BusinessObjectSet parents = patternkit::Common::GetParentBusObjs(*order);
    EXPECT_EQ(patternkit::Common::GetItemByName(parents, "Customer"), customer);
}

TEST_F(OrdersModel, PropertySetsKeepModelOrder) {
    namespace C = patternkit::Common;
    const Names all = {"OrderID", "CustomerID", "ProductID", "Code", "Notes", "Photo", "Total", "Loose"};
    const Names keys = {"OrderID", "CustomerID"};
    const Names nonKeys = {"ProductID", "Code", "Notes", "Photo", "Total", "Loose"};
    const struct {
        const char* what;
        PropertySet found;
        Names expected;
    } cases[] = {
        {"context", C::GetContextProperties(*order), {"OrderID", "CustomerID", "Code"}},
        // The identifying parent's key and the picture stay off the detail form.
        {"detail",
         C::GetDetailProperties(*order),
         {"OrderID", "ProductID", "Code", "Notes", "Total", "Loose"}},
        {"list",
         C::GetListProperties(*order),
         {"OrderID", "CustomerID", "ProductID", "Code", "Total", "Loose"}},
        {"search", C::GetSearchProperties(*order), {"OrderID", "ProductID", "Code", "Loose"}},
        {"permitted-value foreign keys", C::GetPVForeignKeyProperties(*order), {"ProductID", "Loose"}},
        {"Add in", C::GetMethodInputProperties(*order, "Add"), all},
        {"Add out", C::GetMethodOutputProperties(*order, "Add"), {}},
        {"Update in", C::GetMethodInputProperties(*order, "Update"), all},
        {"Update out", C::GetMethodOutputProperties(*order, "Update"), {}},
        {"Read in", C::GetMethodInputProperties(*order, "Read"), keys},
        {"Read out", C::GetMethodOutputProperties(*order, "Read"), nonKeys},
        {"Delete in", C::GetMethodInputProperties(*order, "Delete"), keys},
        {"Delete out", C::GetMethodOutputProperties(*order, "Delete"), {}},
        {"read in (other method)", C::GetMethodInputProperties(*order, "read"), all},
        {"read out (other method)", C::GetMethodOutputProperties(*order, "read"), all},
        {"foreign keys of CustomerID", C::GetForeignKeyProperties(*Property("CustomerID")), {"CustomerID"}},
        {"foreign keys of ProductID",
         C::GetForeignKeyProperties(*Property("ProductID")),
         {" ProductID ", "ProductID"}},
        {"foreign keys of Loose (no association)", C::GetForeignKeyProperties(*Property("Loose")), {}},
        {"foreign keys of OrderID (not foreign)", C::GetForeignKeyProperties(*Property("OrderID")), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NamesOf(c.found), c.expected) << c.what;
}

TEST_F(OrdersModel, SetsHoldTheModelsOwnObjects) {
    const PropertySet context = patternkit::Common::GetContextProperties(*order);
    EXPECT_EQ(context.front(), order->properties->items.front());
}

TEST_F(OrdersModel, ForeignAssociationIsTheFirstThatNamesTheProperty) {
    const auto association = patternkit::Common::GetForeignAssociation(*Property("ProductID"));
    ASSERT_NE(association, nullptr);
    EXPECT_EQ(association->TargetBusObj(), product);
    EXPECT_EQ(association->Relationship()->RelType(), "Reference");
    EXPECT_EQ(patternkit::Common::GetForeignAssociation(*Property("Code")), nullptr);
}

TEST_F(OrdersModel, AForeignPropertyWithoutFieldIsTheCallersError91) {
    Property("ProductID")->field.reset();
    try {
        patternkit::Common::GetDetailProperties(*order);
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kObjectNotSet);
    }
}

TEST_F(OrdersModel, LongestLabelCountsCharacters) {
    Property("Code")->label = "Größe des Artikels";  // 18 characters, more bytes
    Property("Notes")->label = "Notes";
    EXPECT_EQ(patternkit::Common::GetMaxLabelLength(patternkit::Common::GetContextProperties(*order)), 18);
    EXPECT_EQ(patternkit::Common::GetMaxLabelLength({}), 0);
}

}  // namespace
