// The sample application that the build makes into a repository file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/qelApplication.h"
#include "platform/dao/SqliteDatabase.h"
#include "repository/ApplicationList.h"
#include "repository/ApplicationLoad.h"
#include "repository/ApplicationSave.h"
#include "repository/RepositoryFile.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/repository/TestModels.h"

namespace repository_test {
namespace {

std::filesystem::path SampleRepository() {
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    return std::filesystem::path(binary ? binary : ".") / "samples" / "vbostrel.mdb";
}

class SampleApplication : public ::testing::Test {
  protected:
    SampleApplication() {
        std::filesystem::copy_file(SampleRepository(), mFolder / "vbostrel.mdb");
        mRepository = repository::OpenRepository(mFolder.Path());
    }

    std::shared_ptr<core::qelApplication> Load() {
        const auto list = repository::ReadStoredApplications(*mRepository);
        return repository::LoadApplication(*mRepository, *list.Item("K1"));
    }

    dao_test::TestFolder mFolder;
    std::unique_ptr<dao::SqliteDatabase> mRepository;
};

PropertyPtr Property(const core::qelApplication& app, const std::string& businessObject,
                     const std::string& name) {
    return app.BusinessObjects()
        ->Item(businessObject)
        ->Properties()
        ->Item(businessObject + ".Properties." + name);
}

TEST_F(SampleApplication, IsOrderEntryOverADataSourceInThreeProjects) {
    const auto list = repository::ReadStoredApplications(*mRepository);
    ASSERT_EQ(list.Count(), 1);
    const auto& app = *list.Item("K1");
    EXPECT_EQ(app.Name(), "OrderEntry");
    EXPECT_EQ(app.DBType(), "SQL");
    EXPECT_EQ(app.DSN(), "OrderEntry");
    EXPECT_EQ(app.LocalDBName(), "");
    EXPECT_EQ(app.Architecture(), 3);
    EXPECT_EQ(app.L1ProjectName() + " " + app.L2ProjectName() + " " + app.L3ProjectName(),
              "OrderEntryUI OrderEntryBusiness OrderEntryData");
}

TEST_F(SampleApplication, LoadsWithTheVariantsTheGeneratorsNeed) {
    const auto app = Load();
    const auto& businessObjects = *app->BusinessObjects();
    ASSERT_EQ(businessObjects.Count(), 4);
    for (int32_t i = 1; i <= 4; ++i) {
        const auto& bo = businessObjects.Item(i);
        EXPECT_EQ(bo->Name(), (std::vector<std::string>{"Customer", "Product", "Order", "OrderLine"}[i - 1]));
        for (const char* method : {"Add", "Update", "Read", "Delete"})
            EXPECT_TRUE(bo->Methods()->Exists(bo->Name() + ".Methods." + method)) << bo->Name() << method;
    }

    const auto customer = businessObjects.Item("Customer");
    EXPECT_EQ(customer->Properties()->Count(), 12);
    EXPECT_EQ(customer->Properties()->Item(1)->DBID(), 1);
    EXPECT_EQ(customer->Properties()->Item(12)->DBID(), 12);
    EXPECT_EQ(Property(*app, "Customer", "CustomerID")->DataType(), "Long");
    EXPECT_EQ(Property(*app, "Customer", "CustomerID")->KeyIndex(), 1);
    EXPECT_TRUE(Property(*app, "Customer", "Name")->IsMandatory());
    EXPECT_TRUE(Property(*app, "Customer", "Name")->IsUnique());
    EXPECT_EQ(Property(*app, "Customer", "Balance")->Access(), "Read Only");
    EXPECT_EQ(Property(*app, "Customer", "Notes")->DataType(), "Memo");
    EXPECT_EQ(Property(*app, "Customer", "IsActive")->ControlType(), "CheckBox");
    EXPECT_EQ(Property(*app, "Customer", "FirstOrderDate")->DataType(), "Date");
    const auto terms = Property(*app, "Customer", "PaymentTerms");
    EXPECT_EQ(terms->ControlType(), "OptionButton");
    ASSERT_EQ(terms->PermittedValues()->Count(), 3);
    EXPECT_EQ(terms->PermittedValues()->Item(3), "Owner's Account");
    EXPECT_EQ(Property(*app, "Customer", "DiscountPercent")->UpperBound(), "25");
    EXPECT_EQ(Property(*app, "Customer", "CustomerType")->PVTableClass(), "CustomerTypeCode");

    EXPECT_EQ(Property(*app, "Product", "SupplierCode")->KeyIndex(), 1);
    EXPECT_EQ(Property(*app, "Product", "ProductCode")->KeyIndex(), 2);
    EXPECT_EQ(businessObjects.Item("Product")->KeyProperties()->Count(), 2);

    const auto order = businessObjects.Item("Order");
    EXPECT_EQ(order->Table()->Name(), "Order Header");
    EXPECT_EQ(Property(*app, "Order", "Signature")->DataType(), "OLE Object");
    const auto ship = order->Methods()->Item("Order.Methods.Ship");
    EXPECT_TRUE(ship->IsStoredProcedure());
    EXPECT_EQ(ship->StoredProcedureName(), "spShipOrder");
    const auto placedBy = Property(*app, "Order", "CustomerID");
    const auto billTo = Property(*app, "Order", "BillToCustomerID");
    EXPECT_TRUE(placedBy->IsMandatory());
    EXPECT_FALSE(billTo->IsMandatory());
    for (const auto& reference : {placedBy, billTo}) {
        EXPECT_TRUE(reference->IsForeignProperty());
        EXPECT_EQ(reference->ForeignKeyField(), Property(*app, "Customer", "CustomerID")->Field());
        EXPECT_EQ(reference->PVFKeyDisplayedProp(), Property(*app, "Customer", "Name"));
    }

    const auto& relationships = *app->Relationships();
    ASSERT_EQ(relationships.Count(), 4);
    EXPECT_EQ(relationships.Item("Relationship3")->RelType(), "Identifying");
    const auto partOf =
        relationships.Item("Relationship3")->Associations()->Item("OrderLine.Relationships.Relationship3");
    EXPECT_EQ(partOf->TargetBusObj(), order);
    EXPECT_EQ(partOf->SourceForeignProperties()->Item(1), Property(*app, "OrderLine", "OrderID"));
    EXPECT_EQ(Property(*app, "OrderLine", "ProductCode")->ForeignKeyField()->BusObjProperty(),
              Property(*app, "Product", "ProductCode"));
    EXPECT_EQ(Property(*app, "OrderLine", "ProductCode")->PVFKeyDisplayedProp(),
              Property(*app, "Product", "Description"));
}

TEST_F(SampleApplication, SavingTheLoadedSampleChangesNoRowCount) {
    const auto app = Load();
    const std::string before = DescribeModel(*app);
    const auto countRows = [&] {
        int rows = 0;
        for (const char* table :
             {"BusinessObject", "Property", "Field", "PermittedValues", "Method", "Association"})
            rows += static_cast<int>(mRepository->Select(table).Count());
        return rows;
    };
    const int rows = countRows();
    repository::SuppliedApplicationInfo noPrompt(std::nullopt);
    EXPECT_EQ(repository::SaveApplication(*mRepository, *app, true, noPrompt),
              repository::SaveOutcome::Saved);
    EXPECT_EQ(countRows(), rows);
    EXPECT_EQ(DescribeModel(*Load()), before);
}

}  // namespace
}  // namespace repository_test
