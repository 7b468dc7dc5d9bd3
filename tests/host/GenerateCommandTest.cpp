// `ostrel generate`: its arguments, and unattended runs through the add-in's build driver created by ProgID.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "host/GenerateCommand.h"
#include "platform/ide/KnownLibraries.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"
#include "platform/vb/Text.h"
#include "tests/support/FileTree.h"

namespace {

using Arguments = std::vector<std::string>;

TEST(GenerateCommand, Arguments) {
    const struct {
        Arguments arguments;
        bool valid;
        std::vector<std::string> objects;
        bool forms;
        bool discard;
    } cases[] = {
        // Forms are generated unless --no-forms is given.
        {{"--repository", "r.mdb", "--app", "OrderEntry", "--out", "out"}, true, {}, true, false},
        {{"--repository", "r.mdb", "--app", "OrderEntry", "--out", "out", "--no-forms"},
         true,
         {},
         false,
         false},
        {{"--repository", "r.mdb", "--app", "A", "--out", "o", "--objects", "Customer,,Order", "--forms",
          "--discard-edits"},
         true,
         {"Customer", "Order"},
         true,
         true},
        {{"--repository", "r.mdb", "--app", "A", "--out", "o", "--forms", "--no-forms"},
         true,
         {},
         false,
         false},
        {{"--repository", "r.mdb", "--app", "A"}, false, {}, false, false},
        {{"--repository", "r.mdb", "--app", "A", "--out"}, false, {}, false, false},
        {{"--repository", "r.mdb", "--app", "A", "--out", "o", "--fast"}, false, {}, false, false},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto command = host::ParseGenerateCommand(c.arguments, error);
        ASSERT_EQ(command.has_value(), c.valid) << error;
        if (!command) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        EXPECT_EQ(command->request.objects, c.objects);
        EXPECT_EQ(command->request.forms, c.forms);
        EXPECT_EQ(command->request.discardEdits, c.discard);
    }
}

class GenerateRun : public ::testing::Test {
  protected:
    void SetUp() override {
        mFolder = std::filesystem::temp_directory_path() /
                  ("ostrel-generate-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mFolder);
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    int Run(const std::filesystem::path& repository, const std::string& application,
            const std::vector<std::string>& objects = {}) {
        host::GenerateCommand command;
        command.request.repository = repository;
        command.request.application = application;
        command.request.objects = objects;
        // The three-tier table of these runs; the forms have their own tests.
        command.request.forms = false;
        command.out = mFolder / "out";
        mOut.str("");
        mErr.str("");
        return host::RunGenerateCommand(command, mOut, mErr);
    }

    static std::filesystem::path SampleRepository() {
        return std::filesystem::path(OSTREL_BINARY_DIR_AT_BUILD) / "samples" / "vbostrel.mdb";
    }

    std::filesystem::path mFolder;
    std::ostringstream mOut, mErr;
};

using testing_support::Contents;

// A copy of the sample whose last page is damaged: its tables still read, its integrity check fails.
std::filesystem::path DamagedRepository(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "damaged.mdb";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(OSTREL_BINARY_DIR_AT_BUILD) / "samples" / "vbostrel.mdb",
                               file);
    std::fstream bytes(file, std::ios::in | std::ios::out | std::ios::binary);
    bytes.seekp(static_cast<std::streamoff>(std::filesystem::file_size(file)) - 4096 + 8);
    bytes << std::string(32, '\xff');
    return file;
}

TEST_F(GenerateRun, FailuresSayWhatFailedAndWriteNothing) {
    const std::filesystem::path damaged = DamagedRepository(mFolder / "repository");
    const std::string damagedBefore = Contents(damaged);
    const struct {
        std::filesystem::path repository;
        const char* application;
        std::vector<std::string> objects;
        const char* message;
    } cases[] = {
        {"/nowhere/vbostrel.mdb",
         "OrderEntry",
         {},
         "The VBOstrel database cannot be found! (/nowhere/vbostrel.mdb)"},
        {SampleRepository(), "NoSuchApp", {}, "holds no application named NoSuchApp"},
        {SampleRepository(), "OrderEntry", {"Customer", "Nobody"}, "has no business object named Nobody"},
        {damaged,
         "OrderEntry",
         {},
         "is not a VBOstrel repository, or it is damaged: its integrity check fails ("},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.repository, c.application, c.objects), 1) << c.message;
        EXPECT_NE(mErr.str().find(c.message), std::string::npos) << mErr.str();
        EXPECT_FALSE(std::filesystem::exists(mFolder / "out")) << c.message;
    }
    EXPECT_EQ(Contents(damaged), damagedBefore);
}

// VB names ignore letter case: a business object is chosen by its name in any case, and reported as stored.
TEST_F(GenerateRun, ObjectsAreChosenIgnoringLetterCase) {
    ASSERT_EQ(Run(SampleRepository(), "OrderEntry", {"customer", "ORDERLINE"}), 0) << mErr.str();
    for (const char* built : {"  Customer ", "  CustomerPersist ", "  OrderLine ", "  OrderLinePersist "})
        EXPECT_NE(mOut.str().find(built), std::string::npos) << built << "\n" << mOut.str();
    EXPECT_EQ(mOut.str().find("  Product"), std::string::npos) << mOut.str();
}

std::filesystem::path FindFile(const std::filesystem::path& folder, const std::string& name) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().filename() == name)
            return entry.path();
    }
    return {};
}

TEST_F(GenerateRun, GeneratesTheSampleAndRegeneratesItLeavingTheSharedModules) {
    ASSERT_EQ(Run(SampleRepository(), "OrderEntry"), 0) << mErr.str();
    EXPECT_NE(mOut.str().find("CommonPersist"), std::string::npos) << mOut.str();
    EXPECT_NE(mOut.str().find("Total Lines of Code: "), std::string::npos);

    const std::filesystem::path out = mFolder / "out";
    const std::filesystem::path group = out / "OrderEntry.vbg";
    auto vbe = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*vbe, group);
    std::vector<std::string> components;
    for (const auto& project : vbe->VBProjects()) {
        for (const auto& component : project->VBComponents())
            components.push_back(component->Name());
    }
    for (const char* name : {"CommonPersist", "CommonLogical", "CustomerUDT", "ErrorDisplay"}) {
        EXPECT_NE(std::find(components.begin(), components.end(), name), components.end()) << name;
    }

    // The developer's own line in a shared module survives, since the module is not written again.
    const std::filesystem::path commonPersist = FindFile(out, "CommonPersist.bas");
    ASSERT_FALSE(commonPersist.empty());
    std::ofstream(commonPersist, std::ios::app) << "' kept by the developer\r\n";
    const std::string before = Contents(commonPersist);
    const std::string logicalBefore = Contents(FindFile(out, "CommonLogical.bas"));

    ASSERT_EQ(Run(SampleRepository(), "OrderEntry"), 0) << mErr.str();
    EXPECT_EQ(mOut.str().find("CommonPersist"), std::string::npos) << mOut.str();
    EXPECT_NE(mOut.str().find("CustomerUDT"), std::string::npos) << mOut.str();
    EXPECT_EQ(Contents(commonPersist), before);
    EXPECT_EQ(Contents(FindFile(out, "CommonLogical.bas")), logicalBefore);
}

TEST_F(GenerateRun, CodeBetweenEditPointsSurvivesRegeneration) {
    ASSERT_EQ(Run(SampleRepository(), "OrderEntry"), 0) << mErr.str();
    const std::filesystem::path group = mFolder / "out" / "OrderEntry.vbg";
    const std::vector<std::string> classes = {"Customer", "Product", "Order", "OrderLine"};

    // A developer's line right below every start marker of the business-object classes.
    std::map<std::string, std::string> markerOf;  // developer's line -> its start marker, trimmed
    {
        auto vbe = std::make_shared<vbide::VBE>();
        vbide::OpenProjectGroup(*vbe, group);
        for (const auto& project : vbe->VBProjects()) {
            for (const auto& component : project->VBComponents()) {
                if (std::find(classes.begin(), classes.end(), component->Name()) == classes.end())
                    continue;
                const auto code = component->CodeModule();
                for (int32_t line = code->CountOfLines(); line >= 1; --line) {
                    const std::string text = code->Lines(line, 1);
                    if (text.find("'<<<Start Edit Point:") == std::string::npos)
                        continue;
                    const std::string mine = "    ' mine: " + component->Name() + " " + std::to_string(line);
                    code->InsertLines(line + 1, mine);
                    markerOf[mine] = vb::Trim(text);
                }
            }
        }
        vbide::SaveProjectGroup(*vbe, group);
    }
    ASSERT_GT(markerOf.size(), 100u);

    ASSERT_EQ(Run(SampleRepository(), "OrderEntry"), 0) << mErr.str();
    auto vbe = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*vbe, group);
    std::map<std::string, int> seen;
    for (const auto& project : vbe->VBProjects()) {
        for (const auto& component : project->VBComponents()) {
            EXPECT_FALSE(component->Name().ends_with("_tmp")) << "unrestored code in " << component->Name();
            const auto code = component->CodeModule();
            for (int32_t line = 2; line <= code->CountOfLines(); ++line) {
                const auto found = markerOf.find(code->Lines(line, 1));
                if (found == markerOf.end())
                    continue;
                ++seen[found->first];
                EXPECT_EQ(vb::Trim(code->Lines(line - 1, 1)), found->second) << found->first;
            }
        }
    }
    for (const auto& [mine, marker] : markerOf)
        EXPECT_EQ(seen[mine], 1) << mine << " below " << marker;
}

// What VB5 needs to compile and start the sample's group: references, start-up objects, and lines as its
// editor lists them.
TEST_F(GenerateRun, TheSampleGroupCarriesItsReferencesAndStartsWithWhatExists) {
    const vbide::KnownLibrary& adodb = *vbide::KnownLibraryNamed("ADODB");
    const vbide::KnownLibrary& ador = *vbide::KnownLibraryNamed("ADOR");
    const vbide::KnownLibrary& runTime = *vbide::KnownLibraryNamed("VBOstrel");
    const struct {
        const char* project;
        const char* startup;
        std::vector<std::string> libraries;
        const char* projectBelow;
        int32_t count;  // OLE Automation included
    } cases[] = {
        {"OrderEntryUI", "(None)", {}, "OrderEntryBusiness", 2},
        {"OrderEntryBusiness",
         "(None)",
         {std::string(ador.guid), std::string(runTime.guid)},
         "OrderEntryData",
         4},
        {"OrderEntryData", "Sub Main", {std::string(adodb.guid), std::string(ador.guid)}, nullptr, 3},
    };
    for (int run = 1; run <= 2; ++run) {
        ASSERT_EQ(Run(SampleRepository(), "OrderEntry"), 0) << mErr.str();
        auto vbe = std::make_shared<vbide::VBE>();
        vbide::OpenProjectGroup(*vbe, mFolder / "out" / "OrderEntry.vbg");
        for (const auto& c : cases) {
            const auto project = std::find_if(vbe->VBProjects().begin(), vbe->VBProjects().end(),
                                              [&](const auto& p) { return p->Name() == c.project; });
            ASSERT_NE(project, vbe->VBProjects().end()) << c.project;
            const auto& references = (*project)->References();
            EXPECT_EQ((*project)->Startup(), c.startup) << c.project;
            EXPECT_EQ(references.Count(), c.count) << c.project << " run " << run;
            for (const std::string& guid : c.libraries)
                EXPECT_TRUE(references.ContainsLibrary(guid)) << c.project << " " << guid;
            if (c.projectBelow) {
                EXPECT_TRUE(references.ContainsProject(c.projectBelow)) << c.project;
            }
        }
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(mFolder / "out")) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cls" && extension != ".bas")
            continue;
        std::istringstream lines(Contents(entry.path()));
        int number = 0;
        for (std::string line; std::getline(lines, line);) {
            ++number;
            if (line.ends_with('\r'))
                line.pop_back();
            EXPECT_FALSE(line.ends_with(' ')) << entry.path().filename() << " line " << number;
            // VB5 has no Replace: the generated code doubles quotes with its own DoubleQuotes.
            EXPECT_EQ(line.find("Replace("), std::string::npos)
                << entry.path().filename() << " line " << number;
        }
    }
}

}  // namespace
