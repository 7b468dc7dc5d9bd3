#pragma once
// A new, empty repository file for one test, and the counts of its rows.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "platform/dao/SqliteDatabase.h"
#include "repository/ApplicationList.h"
#include "repository/ApplicationLoad.h"
#include "repository/ApplicationSave.h"
#include "repository/RepositorySchema.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/repository/TestModels.h"

namespace repository_test {

class RepositoryFixture : public ::testing::Test {
  protected:
    RepositoryFixture() {
        repository::CreateRepository(mFolder / "vbostrel.mdb");
        mRepository = dao::SqliteDatabase::Open(mFolder / "vbostrel.mdb", dao::OpenMode::ReadWrite);
    }

    dao::SqliteDatabase& Repository() { return *mRepository; }

    void SaveNew(core::qelApplication& application) {
        repository::SuppliedApplicationInfo info(
            SampleInfo(application.Name().empty() ? "Sales" : application.Name()));
        ASSERT_EQ(repository::SaveApplication(*mRepository, application, false, info),
                  repository::SaveOutcome::Saved);
    }
    void SaveOpened(core::qelApplication& application) {
        repository::SuppliedApplicationInfo noPrompt(std::nullopt);
        ASSERT_EQ(repository::SaveApplication(*mRepository, application, true, noPrompt),
                  repository::SaveOutcome::Saved);
    }
    // Through the application list, as the open dialog reaches it.
    std::shared_ptr<core::qelApplication> Load(int32_t applicationID) {
        const auto stored = repository::ReadStoredApplications(*mRepository);
        return repository::LoadApplication(*mRepository,
                                           *stored.Item(repository::StoredApplicationKey(applicationID)));
    }

    std::map<std::string, int> RowCounts() {
        std::map<std::string, int> counts;
        for (const auto& table : repository::RepositoryTables())
            counts[table.Name] = static_cast<int>(mRepository->Select(table.Name).Count());
        return counts;
    }

  private:
    dao_test::TestFolder mFolder;
    std::unique_ptr<dao::SqliteDatabase> mRepository;
};

}  // namespace repository_test
