// The skeleton and utility patterns, created by ProgID from the pattern library and run by the real engine
// into the IDE stand-in.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/vb/DateTime.h"
#include "tests/patternkit/Golden.h"

namespace {

struct Build {
    std::shared_ptr<vbide::VBE> vbe = std::make_shared<vbide::VBE>();
    std::shared_ptr<core::qelApplication> application = std::make_shared<core::qelApplication>();
    std::shared_ptr<core::qelBusinessObject> customer = std::make_shared<core::qelBusinessObject>();
    ui::ScriptedInteraction script;

    Build() {
        application->SetName("OrderEntry");
        application->SetL1ProjectName("OrderEntryUI");
        application->SetL2ProjectName("OrderEntryL2");
        customer->SetName("Customer");
        customer->Properties()->Add(std::make_shared<core::qelBusObjProperty>(), "CustomerID");
        application->BusinessObjects()->Add(customer, "Customer");
    }

    int16_t Run(const std::string& progId) {
        ui::ScopedInteraction installed(script);
        auto engine = std::make_shared<core::qelConstructor>();
        return engine->BuildPattern(vbe, application, customer, progId,
                                    std::make_shared<core::qelToolProperties>());
    }
};

// The code of a saved class: the lines after its header and Attribute lines.
std::vector<std::string> CodeOfClassFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    bool inCode = false;
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r'))
            line.pop_back();
        if (!inCode && (line.starts_with("VERSION ") || line == "BEGIN" || line == "END" ||
                        line.starts_with("  ") || line.starts_with("Attribute "))) {
            continue;
        }
        inCode = true;
        lines.push_back(line);
    }
    return lines;
}

TEST(PatternsEndToEnd, UtilityPatternWritesErrorDisplayIntoTheFormsProject) {
    vb::SetFixedClockForTesting(vb::DateSerial({2026, 12, 8, 19, 38, 56}));
    Build build;
    EXPECT_EQ(build.Run("Brisolet.StdUtilities"), 0);
    vb::ClearFixedClockForTesting();

    const auto project = build.vbe->VBProjects().Item(1);
    EXPECT_EQ(project->Name(), "OrderEntryUI");
    ASSERT_EQ(project->VBComponents().Count(), 1);  // the new project's "Form1" is gone
    EXPECT_EQ(project->VBComponents().Item(1)->Name(), "ErrorDisplay");

    const auto folder = std::filesystem::temp_directory_path() / ("ostrel-e2e-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    vbide::SaveProjectGroup(*build.vbe, folder / "OrderEntry.vbg");
    const auto saved = std::filesystem::recursive_directory_iterator(folder);
    std::filesystem::path classFile;
    for (const auto& entry : saved) {
        if (entry.path().filename() == "ErrorDisplay.cls")
            classFile = entry.path();
    }
    ASSERT_FALSE(classFile.empty());
    testing_support::ExpectMatchesGoldenAsListed(CodeOfClassFile(classFile), "ErrorDisplay.txt");
    std::filesystem::remove_all(folder);
}

TEST(PatternsEndToEnd, SkeletonPatternReportsTheMissingTestProjectAndGivesNoResult) {
    Build build;
    EXPECT_EQ(build.Run("Brisolet.CodePattern"), 0);
    ASSERT_EQ(build.script.Prompts().size(), 1u);
    EXPECT_NE(build.script.Prompts()[0].prompt.find("OrderEntryL2"), std::string::npos)
        << build.script.Prompts()[0].prompt;
    EXPECT_EQ(build.vbe->VBProjects().Count(), 1);
    EXPECT_EQ(build.vbe->VBProjects().Item(1)->Name(), "OrderEntryL2");
}

}  // namespace
