#pragma once
// An imported application saved to a new repository in `folder` and built by `ostrel generate`'s own call
// into `folder`/out.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "host/GenerateCommand.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"
#include "repository/ApplicationSave.h"
#include "repository/RepositorySchema.h"
#include "tests/support/VbGroupCheck.h"

namespace import_test {

struct GenerateRun {
    int exitCode = 0;
    std::string err;
};

// The application saved as `name` (projects name & "UI", "Bus", "Data"; its database as it is) and built:
// `objects` (all when empty), forms as asked.
inline GenerateRun SaveAndGenerate(core::qelApplication& application, const std::filesystem::path& folder,
                                   const std::string& name, const std::vector<std::string>& objects = {},
                                   bool forms = true) {
    const auto repositoryFile = folder / "vbostrel.mdb";
    repository::CreateRepository(repositoryFile);
    {
        auto repository = dao::SqliteDatabase::Open(repositoryFile, dao::OpenMode::ReadWrite);
        repository::SuppliedApplicationInfo info(
            repository::ApplicationInfo{name, "", 3, name + "UI", name + "Bus", name + "Data",
                                        application.DBType(), application.DSN(), application.LocalDBName()});
        EXPECT_EQ(repository::SaveApplication(*repository, application, false, info),
                  repository::SaveOutcome::Saved);
    }
    host::GenerateCommand command;
    command.request.repository = repositoryFile;
    command.request.application = name;
    command.request.objects = objects;
    command.request.forms = forms;
    command.out = folder / "out";
    std::ostringstream out, err;
    const int exitCode = host::RunGenerateCommand(command, out, err);
    return {exitCode, err.str()};
}

// The faults the VB text checker finds in every module of the group built into `folder`/out; `modules`
// counts them.
inline std::vector<std::string> CheckGenerated(const std::filesystem::path& folder, const std::string& name,
                                               int& modules) {
    auto vbe = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*vbe, folder / "out" / (name + ".vbg"));
    return testing_support::CheckVbGroup(*vbe, modules);
}

// The application built as `name` into `folder`/out: the run succeeds, the VB text checker finds no fault,
// and each of `objects` has more than four modules' worth of the group.
inline void ExpectBuiltClean(core::qelApplication& application, const std::filesystem::path& folder,
                             const std::string& name, const std::vector<std::string>& objects) {
    const auto run = SaveAndGenerate(application, folder, name, objects);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    int modules = 0;
    EXPECT_EQ(CheckGenerated(folder, name, modules), std::vector<std::string>{});
    EXPECT_GT(modules, static_cast<int>(objects.size()) * 4);
}

}  // namespace import_test
