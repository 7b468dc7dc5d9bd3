#pragma once
// A repository of one application, as `ostrel generate` and the builder open it: a new repository file in
// `folder`, holding `application` under its own name.

#include <filesystem>

#include "core/qelApplication.h"
#include "repository/ApplicationSave.h"
#include "repository/RepositoryFile.h"
#include "repository/RepositorySchema.h"
#include "tests/repository/TestModels.h"

namespace bench {

inline void SaveRepositoryOf(const std::filesystem::path& folder, core::qelApplication& application) {
    repository::CreateRepository(folder / repository::kRepositoryFileName);
    const auto database =
        dao::SqliteDatabase::Open(folder / repository::kRepositoryFileName, dao::OpenMode::ReadWrite);
    repository::SuppliedApplicationInfo info(repository_test::SampleInfo(application.Name()));
    repository::SaveApplication(*database, application, false, info);
}

}  // namespace bench
