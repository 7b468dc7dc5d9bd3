#pragma once
// A temporary world for the IDE's tests: a class registry holding the test add-ins, a folder for the
// add-in list and group files, and a scripted interaction answering every question.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "host/IdeSession.h"
#include "platform/automation/CreateObject.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/host/RecordingAddIn.h"

class HostTestFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        mFolder = std::filesystem::temp_directory_path() /
                  ("ostrel-host-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mFolder);
        std::filesystem::create_directories(mFolder);
        automation::RegisterLibrary(TEST_ADDINS_LIBRARY, mFolder / "classes");
        ::setenv("OSTREL_CLASS_REGISTRY", (mFolder / "classes").c_str(), 1);
    }
    void TearDown() override {
        mSession.reset();
        ::unsetenv("OSTREL_CLASS_REGISTRY");
        std::filesystem::remove_all(mFolder);
    }

    std::filesystem::path ListFile() const { return mFolder / "vbaddin.ini"; }
    void WriteList(const std::string& text) const { std::ofstream(ListFile(), std::ios::binary) << text; }

    host::IdeSession& Session() {
        if (!mSession)
            mSession = std::make_unique<host::IdeSession>(ListFile());
        return *mSession;
    }
    std::shared_ptr<RecordingAddIn> Connected(const char* progId) {
        return std::dynamic_pointer_cast<RecordingAddIn>(Session().AddIns().AddIn(progId));
    }

    std::filesystem::path mFolder;
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScriptInForce{mScript};
    std::unique_ptr<host::IdeSession> mSession;
};
