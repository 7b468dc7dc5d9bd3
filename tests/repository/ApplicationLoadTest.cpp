// The application list, and loads of repositories whose rows are damaged or unusual.

#include <gtest/gtest.h>

#include "repository/ModelFiling.h"
#include "tests/repository/RepositoryFixture.h"

namespace repository_test {
namespace {

using ApplicationLoad = RepositoryFixture;

TEST_F(ApplicationLoad, TheListHoldsEveryApplicationUnderItsKey) {
    for (const char* name : {"Sales", "Stock"}) {
        core::qelApplication model;
        model.SetName(name);
        OrdersOfCustomers(model);
        SaveNew(model);
    }
    const auto list = repository::ReadStoredApplications(Repository());
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.KeyOf(1), "K1");
    EXPECT_EQ(list.Item("K2")->Name(), "Stock");
    EXPECT_EQ(list.Item("K2")->L2ProjectName(), "StockBus");
    EXPECT_EQ(list.Item("K2")->BusinessObjects()->Count(), 0);
    const auto stock = repository::LoadApplication(Repository(), *list.Item("K2"));
    EXPECT_EQ(stock->BusinessObjects()->Item("Order")->DBID(), 4);

    Repository().Update("Application", {{"DSN", vb::Variant::Null()}}, {{"ID", 2}});
    EXPECT_THROW(repository::ReadStoredApplications(Repository()), vb::Error);
}

struct Damage {
    const char* Name;
    const char* Statement;
    int32_t ErrorNumber;
};

class DamagedRows : public RepositoryFixture, public ::testing::WithParamInterface<Damage> {};

// The load fails as a whole: nothing is returned and the listed application stays empty, so the caller
// keeps its model.
TEST_P(DamagedRows, FailTheWholeLoad) {
    core::qelApplication model;
    OrdersOfCustomers(model);
    SaveNew(model);
    Repository().Execute(GetParam().Statement);
    const auto list = repository::ReadStoredApplications(Repository());
    try {
        repository::LoadApplication(Repository(), *list.Item(1));
        FAIL() << "the load should fail";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), GetParam().ErrorNumber);
    }
    EXPECT_EQ(list.Item(1)->BusinessObjects()->Count(), 0);
    EXPECT_EQ(list.Item(1)->Relationships()->Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Repository, DamagedRows,
    ::testing::Values(Damage{"NullLabel", "UPDATE \"Property\" SET \"Label\" = NULL WHERE \"ID\" = 2",
                             vb::kInvalidUseOfNull},
                      Damage{"NullBusinessObjectName", "UPDATE \"BusinessObject\" SET \"Name\" = NULL",
                             vb::kInvalidUseOfNull},
                      Damage{"NullLength", "UPDATE \"Field\" SET \"Length\" = NULL", vb::kInvalidUseOfNull},
                      Damage{"AssociationOfAMissingBusinessObject",
                             "UPDATE \"Association\" SET \"TargetBusObjID\" = 999", 3021},
                      Damage{"PropertyNamedTwice",
                             "UPDATE \"Property\" SET \"Name\" = 'CustomerID' WHERE \"ID\" = 2",
                             vb::kDuplicateKey},
                      Damage{"ForeignKeyToAPropertyTheTargetLacks",
                             "UPDATE \"Property\" SET \"ForeignKeyFldID\" = 3 WHERE \"ID\" = 4",
                             vb::kSubscriptOutOfRange},
                      Damage{"MissingColumn", "ALTER TABLE \"Method\" DROP COLUMN \"ReturnDataType\"", 3265}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ApplicationLoad, UnusedOrUnresolvableColumnsAreNoError) {
    core::qelApplication model;
    OrdersOfCustomers(model);
    SaveNew(model);
    // Read only under a condition that does not hold.
    Repository().Execute("UPDATE \"Property\" SET \"LowerBound\" = NULL, \"UpperBound\" = NULL");
    Repository().Execute("UPDATE \"Method\" SET \"StoredProcedureName\" = NULL");
    // A displayed property that is gone, and a foreign-property row of another business object.
    Repository().Execute("UPDATE \"Property\" SET \"PVFKeyDisplayedPropID\" = 999 WHERE \"ID\" = 4");
    Repository().Execute("UPDATE \"Property\" SET \"AssociationID\" = 1 WHERE \"ID\" = 1");
    // A cardinality in other letter case leaves the foreign property as stored.
    Repository().Execute("UPDATE \"Association\" SET \"Cardinality\" = 'one' WHERE \"ID\" = 1");
    Repository().Execute("UPDATE \"Property\" SET \"IsMandatory\" = 0 WHERE \"ID\" = 4");

    const auto loaded = Load(model.DBID());
    const auto order = loaded->BusinessObjects()->Item("Order");
    const auto customerID = order->Properties()->Item("Order.Properties.CustomerID");
    EXPECT_FALSE(customerID->PVFKeyDisplayedProp());
    EXPECT_FALSE(customerID->IsMandatory());
    const auto& foreign = *order->SourceAssociations()->Item(1)->SourceForeignProperties();
    ASSERT_EQ(foreign.Count(), 1);
    EXPECT_EQ(foreign.Item(1), customerID);
    EXPECT_EQ(order->Methods()->Item("Order.Methods.Add")->StoredProcedureName(), "");
}

TEST_F(ApplicationLoad, RelationshipsAreNamedAnewInRowOrder) {
    core::qelApplication model;
    OrdersOfCustomers(model);
    auto customer = model.BusinessObjects()->Item("Customer");
    auto order = model.BusinessObjects()->Item("Order");
    AddRelationship(model, order, customer, "Reference", true, {});
    model.Relationships()->Item(1)->SetName("Relationship7");
    SaveNew(model);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto loaded = Load(model.DBID());
        ASSERT_EQ(loaded->Relationships()->Count(), 2);
        EXPECT_EQ(loaded->Relationships()->Item(1)->Name(), "Relationship1");
        EXPECT_EQ(loaded->Relationships()->KeyOf(2), "Relationship2");
    }
}

TEST(NextRelationshipName, FollowsTheNumberOfTheLastRelationship) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "Relationship1"},
        {{"Relationship1"}, "Relationship2"},
        {{"Relationship10", "Relationship9"}, "Relationship10"},
        {{"Relationship9", "Relationship10"}, "Relationship11"},
    };
    for (const auto& [names, expected] : cases) {
        core::qelApplication application;
        for (const std::string& name : names) {
            auto relationship = std::make_shared<core::qelRelationship>();
            relationship->SetName(name);
            repository::FileRelationship(application, relationship);
        }
        EXPECT_EQ(repository::NextRelationshipName(application), expected);
    }
    for (const char* lastName : {"Custom", "Relationship", "Relationship1a", "Relationship-1"}) {
        core::qelApplication application;
        auto relationship = std::make_shared<core::qelRelationship>();
        relationship->SetName(lastName);
        repository::FileRelationship(application, relationship);
        EXPECT_THROW(repository::NextRelationshipName(application), vb::Error) << lastName;
    }
}

TEST(ModelFiling, FilesAsTheMainWindowsHandlersDo) {
    core::qelApplication application;
    auto customer = AddBusinessObject(application, "Customer", "Customer");
    EXPECT_EQ(customer->Methods()->Item("Customer.Methods.Delete")->BusinessObjectName(), "Customer");
    auto notes = AddProperty(application, customer, {"Notes", "Memo", 0, false, "", true});
    EXPECT_FALSE(notes->IsMandatory());
    EXPECT_EQ(customer->Properties()->Item("customer.properties.notes"), notes);

    auto duplicate = std::make_shared<core::qelBusObjProperty>();
    duplicate->SetName("NOTES");
    duplicate->SetBusinessObjectName("Customer");
    EXPECT_THROW(repository::FileProperty(application, duplicate), vb::Error);
    duplicate->SetBusinessObjectName("Nobody");
    EXPECT_THROW(repository::FileProperty(application, duplicate), vb::Error);
    EXPECT_EQ(customer->Properties()->Count(), 1);
}

}  // namespace
}  // namespace repository_test
