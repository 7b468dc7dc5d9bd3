#pragma once
// The engine on the in-memory IDE, with scripted answers, a class registry holding the test patterns,
// and a private temporary folder that also serves as the per-user temporary folder's parent.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "core/qelBusinessObject.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/automation/CreateObject.h"
#include "platform/ide/VBE.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/vb/Error.h"
#include "tests/core/TestPatterns.h"
#include "tests/support/ErrorNumber.h"

namespace enginetest {

using testing_support::ErrorNumberOf;

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mFolder = std::filesystem::temp_directory_path() /
                  ("ostrel-engine-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mFolder);
        std::filesystem::create_directories(mFolder / "tmp");
        automation::RegisterLibrary(TEST_PATTERNS_LIBRARY, mFolder / "classes");
        ::setenv("OSTREL_CLASS_REGISTRY", (mFolder / "classes").c_str(), 1);
        if (const char* previous = std::getenv("TMPDIR"))
            mPreviousTmpDir = previous;
        ::setenv("TMPDIR", (mFolder / "tmp").c_str(), 1);

        mApplication->SetName("Sales");
        mBusinessObject->SetName("Order");
        mTools->SetFormTemplatePath(mFolder.string() + "/");
    }

    void TearDown() override {
        testpatterns::SetScript(nullptr);
        testpatterns::CallLog().clear();
        ::unsetenv("OSTREL_CLASS_REGISTRY");
        if (mPreviousTmpDir)
            ::setenv("TMPDIR", mPreviousTmpDir->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
        std::filesystem::remove_all(mFolder);
    }

    // One BuildPattern whose Build runs `script` with the engine.
    int16_t Run(std::function<std::optional<int16_t>(testpatterns::BarePattern&)> script,
                const std::string& progId = "TestPatterns.Scripted") {
        testpatterns::SetScript(std::move(script));
        return mEngine->BuildPattern(mVBE, mApplication, mBusinessObject, progId, mTools);
    }
    // A Build that runs `steps` and returns 0.
    int16_t Steps(std::function<void(typelib::IConstructor&, testpatterns::BarePattern&)> steps) {
        return Run([&](testpatterns::BarePattern& pattern) -> std::optional<int16_t> {
            steps(*pattern.engine, pattern);
            return 0;
        });
    }

    std::shared_ptr<vbide::VBProject> Project(const std::string& name) const {
        for (const auto& project : mVBE->VBProjects()) {
            if (project->Name() == name)
                return project;
        }
        return nullptr;
    }
    static std::vector<std::string> ComponentNames(const vbide::VBProject& project) {
        std::vector<std::string> names;
        for (const auto& component : project.VBComponents())
            names.push_back(component->Name());
        return names;
    }
    // The scripted Build of one component: its lines between StartCoding and FinishCoding.
    void WriteComponent(typelib::IConstructor& engine, const std::string& name, int32_t type,
                        const std::vector<std::string>& lines, const std::string& formTemplate = {}) {
        WriteComponentIn(engine, "Sales", name, type, lines, formTemplate);
    }
    void WriteComponentIn(typelib::IConstructor& engine, const std::string& project, const std::string& name,
                          int32_t type, const std::vector<std::string>& lines,
                          const std::string& formTemplate = {}) {
        ASSERT_EQ(engine.SetVBComponent(project, name, type, formTemplate), 0);
        engine.StartCoding();
        for (const auto& line : lines)
            engine.Code(line);
        engine.FinishCoding();
    }

    // A form template with two lines of its own code.
    std::string WriteFormTemplate(const std::string& fileName) const {
        std::ofstream(mFolder / fileName) << "VERSION 5.00\r\n"
                                             "Begin VB.Form frmTemplate \r\n"
                                             "   Caption         =   \"Template\"\r\n"
                                             "   ClientHeight    =   3195\r\n"
                                             "   ClientWidth     =   4680\r\n"
                                             "End\r\n"
                                             "Attribute VB_Name = \"frmTemplate\"\r\n"
                                             "Attribute VB_GlobalNameSpace = False\r\n"
                                             "Attribute VB_Creatable = False\r\n"
                                             "Attribute VB_PredeclaredId = True\r\n"
                                             "Attribute VB_Exposed = False\r\n"
                                             "Private Sub Form_Load()\r\n"
                                             "End Sub\r\n";
        return fileName;
    }

    std::filesystem::path mFolder;
    std::optional<std::string> mPreviousTmpDir;
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mInstalled{mScript};
    std::shared_ptr<vbide::VBE> mVBE = std::make_shared<vbide::VBE>();
    std::shared_ptr<core::qelApplication> mApplication = std::make_shared<core::qelApplication>();
    std::shared_ptr<core::qelBusinessObject> mBusinessObject = std::make_shared<core::qelBusinessObject>();
    std::shared_ptr<core::qelToolProperties> mTools = std::make_shared<core::qelToolProperties>();
    std::shared_ptr<core::qelConstructor> mEngine = std::make_shared<core::qelConstructor>();
};

}  // namespace enginetest
