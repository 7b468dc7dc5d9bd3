// Deleting the sample's application from a copy of the build's sample repository that also holds another
// application.

#include "repository/ApplicationDelete.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "repository/ApplicationList.h"
#include "repository/ApplicationLoad.h"
#include "repository/ApplicationSave.h"
#include "repository/RepositoryFile.h"
#include "repository/RepositorySchema.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/repository/TestModels.h"

namespace repository_test {
namespace {

class ApplicationDelete : public ::testing::Test {
  protected:
    ApplicationDelete() {
        const char* binary = std::getenv("OSTREL_BINARY_DIR");
        std::filesystem::copy_file(std::filesystem::path(binary ? binary : ".") / "samples" / "vbostrel.mdb",
                                   mFolder / "vbostrel.mdb");
        mRepository = repository::OpenRepository(mFolder.Path());
    }

    std::map<std::string, int> RowCounts() {
        std::map<std::string, int> counts;
        for (const auto& table : repository::RepositoryTables())
            counts[table.Name] = static_cast<int>(mRepository->Select(table.Name).Count());
        return counts;
    }

    // Customers and orders with a relationship, saved as a second application.
    core::qelApplication& SaveOther() {
        auto customer = AddBusinessObject(mOther, "Customer", "Customer");
        AddProperty(mOther, customer, {"CustomerID", "Long", 4, true});
        auto order = AddBusinessObject(mOther, "Order", "Orders");
        AddProperty(mOther, order, {"OrderID", "Long", 4, true});
        AddProperty(mOther, order, {"CustomerID", "Long", 4});
        AddRelationship(mOther, order, customer, "Reference", false, {{"CustomerID", "CustomerID"}});
        repository::SuppliedApplicationInfo info(SampleInfo("Other"));
        EXPECT_EQ(repository::SaveApplication(*mRepository, mOther, false, info),
                  repository::SaveOutcome::Saved);
        return mOther;
    }

    std::string DescribeStored(int32_t applicationID) {
        const auto stored = repository::ReadStoredApplications(*mRepository);
        return DescribeModel(*repository::LoadApplication(
            *mRepository, *stored.Item(repository::StoredApplicationKey(applicationID))));
    }

    dao_test::TestFolder mFolder;
    std::unique_ptr<dao::SqliteDatabase> mRepository;
    core::qelApplication mOther;
};

TEST_F(ApplicationDelete, LeavesNoRowOfTheApplicationAndEveryRowOfTheOther) {
    const int32_t sampleID = mRepository->Select("Application")[0]["ID"].ToLong();
    const auto sampleOnly = RowCounts();
    for (const auto& [table, count] : sampleOnly) {
        if (table != "Version") {
            EXPECT_GT(count, 0) << table;  // the sample has rows in every table
        }
    }
    const int32_t otherID = SaveOther().DBID();
    const std::string other = DescribeStored(otherID);
    const auto both = RowCounts();

    repository::DeleteApplication(*mRepository, sampleID);
    for (const auto& [table, count] : RowCounts()) {
        const int expected = table == "Version" ? count : both.at(table) - sampleOnly.at(table);
        EXPECT_EQ(count, expected) << table;
    }
    EXPECT_EQ(DescribeStored(otherID), other);
    EXPECT_EQ(repository::ReadStoredApplications(*mRepository).Count(), 1u);

    repository::DeleteApplication(*mRepository, otherID);
    for (const auto& [table, count] : RowCounts()) {
        if (table != "Version") {
            EXPECT_EQ(count, 0) << table;
        }
    }
}

TEST_F(ApplicationDelete, AFailureDeletesNothing) {
    const int32_t sampleID = mRepository->Select("Application")[0]["ID"].ToLong();
    mRepository->Execute(
        "CREATE TRIGGER \"Refuse\" BEFORE DELETE ON \"Method\" BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const auto before = RowCounts();
    try {
        repository::DeleteApplication(*mRepository, sampleID);
        FAIL() << "the delete should fail";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Source(), "DeleteApplication");
    }
    EXPECT_EQ(RowCounts(), before);
}

}  // namespace
}  // namespace repository_test
