// Saving a model and loading it back gives the same model, and saving it again adds no row.

#include <gtest/gtest.h>

#include <functional>

#include "tests/repository/RepositoryFixture.h"

namespace repository_test {
namespace {

using ModelMaker = std::function<void(core::qelApplication&)>;

void CustomersAndOrders(core::qelApplication& app) {
    auto customer = AddBusinessObject(app, "Customer", "Customer");
    AddProperty(app, customer, {"CustomerID", "Long", 4, true});
    AddProperty(app, customer, {"Name", "String", 50});
    auto order = AddBusinessObject(app, "Order", "Order Header");
    AddProperty(app, order, {"OrderID", "Long", 4, true});
    AddProperty(app, order, {"CustomerID", "Long", 4});
    AddProperty(app, order, {"BillTo", "Long", 4, false, "BillToCustomerID", true});
    AddRelationship(app, order, customer, "Reference", false, {{"CustomerID", "CustomerID"}});
    AddRelationship(app, order, customer, "Reference", true, {{"BillTo", "CustomerID"}});
}

void RecursiveEmployees(core::qelApplication& app) {
    auto employee = AddBusinessObject(app, "Employee", "Employee");
    AddProperty(app, employee, {"EmployeeID", "Long", 4, true});
    AddProperty(app, employee, {"ManagerID", "Long", 4, false, "", true});
    AddRelationship(app, employee, employee, "Reference", true, {{"ManagerID", "EmployeeID"}});
}

// The displayed property belongs to a business object saved after the one that shows it.
void DisplayedPropertyOfALaterBusinessObject(core::qelApplication& app) {
    auto order = AddBusinessObject(app, "Order", "Orders");
    AddProperty(app, order, {"OrderID", "Long", 4, true});
    auto customerID = AddProperty(app, order, {"CustomerID", "Long", 4});
    auto customer = AddBusinessObject(app, "Customer", "Customer");
    AddProperty(app, customer, {"CustomerID", "Long", 4, true});
    auto name = AddProperty(app, customer, {"Name", "String", 50});
    customerID->SetIsPVFKey(true);
    customerID->SetPVFKeyDisplayedProp(name);
    AddRelationship(app, order, customer, "Reference", false, {{"CustomerID", "CustomerID"}});
}

void IdentifyingChildWithATwoColumnKey(core::qelApplication& app) {
    auto product = AddBusinessObject(app, "Product", "Product");
    AddProperty(app, product, {"SupplierCode", "String", 10, true});
    AddProperty(app, product, {"ProductCode", "String", 10, true});
    auto line = AddBusinessObject(app, "OrderLine", "Order Line");
    AddProperty(app, line, {"LineNo", "Integer", 2, true});
    AddProperty(app, line, {"SupplierCode", "String", 10, true});
    AddProperty(app, line, {"ProductCode", "String", 10, true});
    AddRelationship(app, line, product, "Identifying", false,
                    {{"SupplierCode", "SupplierCode"}, {"ProductCode", "ProductCode"}});
    auto method = std::make_shared<core::qelBusObjMethod>();
    method->SetName("Reprice");
    method->SetMethodType("Function");
    method->SetReturnDataType("Currency");
    method->SetIsStoredProcedure(true);
    method->SetStoredProcedureName("spReprice");
    method->SetBusinessObjectName("Product");
    repository::FileMethod(app, method);
}

void QuotedValues(core::qelApplication& app) {
    app.SetDescription("O'Brien's \"orders\"");
    auto customer = AddBusinessObject(app, "Customer", "O'Brien Customers");
    auto terms = AddProperty(app, customer, {"Terms", "String", 20, false, "Terms'Field"});
    terms->SetLabel("Customer's terms");
    terms->SetIsPVList(true);
    terms->SetControlType("OptionButton");
    for (const char* value : {"O'Brien", "Say \"hi\"", "'; DELETE FROM Property; --", "?1"})
        terms->PermittedValues()->Add(value, value);
    auto discount = AddProperty(app, customer, {"Discount", "Integer", 2});
    discount->SetIsPVRange(true);
    discount->SetLowerBound("0");
    discount->SetUpperBound("25");
    auto type = AddProperty(app, customer, {"CustomerType", "String", 2});
    type->SetIsPVTable(true);
    type->SetPVTableClass("CustomerTypeCode");
}

void UnnamedTableAndField(core::qelApplication& app) {
    auto draft = AddBusinessObject(app, "Draft", "");
    AddProperty(app, draft, {"Title", "String", 40, false, "-"});
    AddProperty(app, draft, {"Body", "Memo", 0});
}

struct RoundTripCase {
    const char* Name;
    ModelMaker Make;
};

class ApplicationRoundTrip : public RepositoryFixture, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(ApplicationRoundTrip, LoadsTheSavedModelAndASecondSaveAddsNoRow) {
    core::qelApplication model;
    model.SetName("Sales");
    GetParam().Make(model);
    SaveNew(model);
    ASSERT_NE(model.DBID(), 0);
    const auto counts = RowCounts();

    const auto loaded = Load(model.DBID());
    EXPECT_EQ(DescribeModel(*loaded), DescribeModel(model));

    SaveOpened(model);
    SaveOpened(*loaded);
    EXPECT_EQ(RowCounts(), counts);
    EXPECT_EQ(DescribeModel(*Load(model.DBID())), DescribeModel(model));
}

INSTANTIATE_TEST_SUITE_P(Models, ApplicationRoundTrip,
                         ::testing::Values(RoundTripCase{"CustomersAndOrders", CustomersAndOrders},
                                           RoundTripCase{"RecursiveEmployees", RecursiveEmployees},
                                           RoundTripCase{"DisplayedPropertyOfALaterBusinessObject",
                                                         DisplayedPropertyOfALaterBusinessObject},
                                           RoundTripCase{"IdentifyingChildWithATwoColumnKey",
                                                         IdentifyingChildWithATwoColumnKey},
                                           RoundTripCase{"QuotedValues", QuotedValues},
                                           RoundTripCase{"UnnamedTableAndField", UnnamedTableAndField}),
                         [](const auto& info) { return std::string(info.param.Name); });

using ApplicationSave = RepositoryFixture;

TEST_F(ApplicationSave, RecursiveRelationshipFilesItsSecondAssociationApart) {
    core::qelApplication model;
    RecursiveEmployees(model);
    SaveNew(model);
    const auto employee = Load(model.DBID())->BusinessObjects()->Item("Employee");
    EXPECT_TRUE(employee->SourceAssociations()->Exists("Employee.Relationships.Relationship1"));
    EXPECT_TRUE(employee->SourceAssociations()->Exists("Employee.RelationshipsRecursive.Relationship1"));
    const auto manager = employee->Properties()->Item("Employee.Properties.ManagerID");
    EXPECT_TRUE(manager->IsForeignProperty());
    EXPECT_EQ(manager->ForeignKeyField()->BusObjProperty()->Name(), "EmployeeID");
}

TEST_F(ApplicationSave, CancelledInformationWritesAndChangesNothing) {
    core::qelApplication model;
    CustomersAndOrders(model);
    const std::string before = DescribeModel(model);
    repository::SuppliedApplicationInfo cancel(std::nullopt);
    EXPECT_EQ(repository::SaveApplication(Repository(), model, false, cancel),
              repository::SaveOutcome::Canceled);
    EXPECT_EQ(DescribeModel(model), before);
    EXPECT_TRUE(Repository().Select("Application").IsEmpty());
}

TEST_F(ApplicationSave, FirstSaveWritesTheSuppliedInformation) {
    core::qelApplication model;
    repository::SuppliedApplicationInfo info(repository::ApplicationInfo{
        "OrderEntry", "Orders", 2, "OrderUI", "OrderBus", "", "SQL", "OrderDSN", ""});
    ASSERT_EQ(repository::SaveApplication(Repository(), model, false, info), repository::SaveOutcome::Saved);
    const auto rows = Repository().Select("Application");
    ASSERT_EQ(rows.Count(), 1u);
    EXPECT_EQ(rows[0]["Name"].ToString(), "OrderEntry");
    EXPECT_EQ(rows[0]["DSN"].ToString(), "OrderDSN");
    EXPECT_EQ(rows[0]["LocalDBName"].ToString(), "");
    EXPECT_EQ(rows[0]["L3ProjectName"].ToString(), "");
    EXPECT_EQ(rows[0]["Architecture"].ToLong(), 2);
    EXPECT_EQ(model.DBID(), rows[0]["ID"].ToLong());
}

// A failure anywhere leaves the file as it was and every DBID as before, for a first save and for a
// save of a stored model that gained new objects.
TEST_F(ApplicationSave, AFailedSaveWritesNothingAndKeepsTheDBIDs) {
    Repository().Execute(
        "CREATE TRIGGER \"Refuse\" BEFORE INSERT ON \"Method\" WHEN NEW.\"Name\" = 'Boom' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const auto addBoom = [](core::qelApplication& app) {
        auto later = AddBusinessObject(app, "Later", "Later");
        AddProperty(app, later, {"LaterID", "Long", 4, true});
        auto boom = std::make_shared<core::qelBusObjMethod>();
        boom->SetName("Boom");
        boom->SetBusinessObjectName("Later");
        repository::FileMethod(app, boom);
    };

    core::qelApplication fresh;
    CustomersAndOrders(fresh);
    addBoom(fresh);
    repository::SuppliedApplicationInfo info(SampleInfo());
    info.AskApplicationInfo(fresh);
    const std::string freshBefore = DescribeModel(fresh);
    try {
        repository::SaveApplication(Repository(), fresh, false, info);
        FAIL() << "the save should fail";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Source(), "SaveApplication");
    }
    EXPECT_EQ(DescribeModel(fresh), freshBefore);
    for (const auto& [table, count] : RowCounts())
        EXPECT_EQ(count, 0) << table;

    core::qelApplication stored;
    CustomersAndOrders(stored);
    SaveNew(stored);
    const auto counts = RowCounts();
    addBoom(stored);
    stored.BusinessObjects()->Item("Customer")->SetName("Client");
    const std::string storedBefore = DescribeModel(stored);
    EXPECT_THROW(SaveOpened(stored), vb::Error);
    EXPECT_EQ(DescribeModel(stored), storedBefore);
    EXPECT_EQ(RowCounts(), counts);
    EXPECT_EQ(Repository().Select("BusinessObject", {{"Name", "Client"}}).Count(), 0u);
}

TEST_F(ApplicationSave, AnOpenedApplicationWhoseRowIsGoneIsAnError) {
    core::qelApplication model;
    CustomersAndOrders(model);
    SaveNew(model);
    Repository().Delete("Application", {{"ID", model.DBID()}});
    try {
        SaveOpened(model);
        FAIL() << "the save should fail";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), 3021);
    }
    EXPECT_TRUE(Repository().Select("BusinessObject", {{"Name", "Customer"}}).Count() == 1);
}

std::vector<std::string> StoredValues(dao::SqliteDatabase& repository, int32_t propertyID) {
    std::vector<std::string> values;
    for (const dao::Row& row : repository.Query(
             "SELECT \"PermittedValue\" FROM \"PermittedValues\" WHERE \"PropID\" = ?1 ORDER BY rowid",
             {propertyID}))
        values.push_back(row[0].IsNull() ? "(null)" : row[0].ToString());
    return values;
}

TEST_F(ApplicationSave, RemovedAndRepeatedPermittedValuesAreDeleted) {
    core::qelApplication model;
    auto car = AddBusinessObject(model, "Car", "Car");
    auto colour = AddProperty(model, car, {"Colour"});
    colour->SetIsPVList(true);
    for (const char* value : {"Red", "Green", "Blue"})
        colour->PermittedValues()->Add(value, value);
    SaveNew(model);
    const int32_t id = colour->DBID();
    EXPECT_EQ(StoredValues(Repository(), id), (std::vector<std::string>{"Red", "Green", "Blue"}));

    colour->PermittedValues()->Remove("Green");
    Repository().Insert("PermittedValues", {{"PropID", id}, {"PermittedValue", "Red"}});
    Repository().Insert("PermittedValues", {{"PropID", id}, {"PermittedValue", "Blue"}});
    Repository().Insert("PermittedValues", {{"PropID", id}, {"PermittedValue", vb::Variant::Null()}});
    SaveOpened(model);
    EXPECT_EQ(StoredValues(Repository(), id), (std::vector<std::string>{"Red", "Blue"}));

    colour->PermittedValues()->Remove("Red");
    colour->PermittedValues()->Add("red", "red");
    SaveOpened(model);
    EXPECT_EQ(StoredValues(Repository(), id), (std::vector<std::string>{"Blue", "red"}));
    EXPECT_EQ(DescribeModel(*Load(model.DBID())), DescribeModel(model));

    colour->PermittedValues()->Clear();
    SaveOpened(model);
    EXPECT_TRUE(StoredValues(Repository(), id).empty());
}

TEST_F(ApplicationSave, ForeignPropertiesOutsideTheirBusinessObjectAddNoRow) {
    core::qelApplication model;
    CustomersAndOrders(model);
    auto stray = std::make_shared<core::qelBusObjProperty>();
    stray->SetName("Stray");
    model.Relationships()->Item(1)->Associations()->Item(1)->SourceForeignProperties()->Add(stray);
    // A property of another business object than the association's source.
    const auto customerName =
        model.BusinessObjects()->Item("Customer")->Properties()->Item("Customer.Properties.Name");
    model.Relationships()->Item(1)->Associations()->Item(1)->SourceForeignProperties()->Add(customerName);
    SaveNew(model);
    EXPECT_EQ(Repository().Select("Property").Count(), 5u);
    EXPECT_EQ(stray->DBID(), 0);
    EXPECT_TRUE(Repository().Select("Property", {{"ID", customerName->DBID()}})[0]["AssociationID"].IsNull());
}

TEST_F(ApplicationSave, DisplayedPropertyIDsBeyondAnIntegerKeepTheirValue) {
    Repository().Execute("INSERT INTO sqlite_sequence (name, seq) VALUES ('Property', 70000)");
    core::qelApplication model;
    DisplayedPropertyOfALaterBusinessObject(model);
    SaveNew(model);
    const auto name =
        model.BusinessObjects()->Item("Customer")->Properties()->Item("Customer.Properties.Name");
    ASSERT_GT(name->DBID(), 70000);
    const auto loaded = Load(model.DBID());
    const auto customerID =
        loaded->BusinessObjects()->Item("Order")->Properties()->Item("Order.Properties.CustomerID");
    ASSERT_TRUE(customerID->PVFKeyDisplayedProp());
    EXPECT_EQ(customerID->PVFKeyDisplayedProp()->DBID(), name->DBID());
}

}  // namespace
}  // namespace repository_test
