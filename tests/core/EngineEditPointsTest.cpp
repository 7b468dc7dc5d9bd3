// Regenerating a component keeps the developer's code between edit points; what finds no place stays in
// the scratch component and its file.

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "core/AddInFolders.h"
#include "core/ModuleLimits.h"
#include "tests/core/EngineFixture.h"
#include "tests/support/LimitEdges.h"

namespace enginetest {
namespace {

using testpatterns::BarePattern;
using typelib::IConstructor;
using Lines = std::vector<std::string>;

const Lines kDevelopersCode = {
    "Option Explicit",
    "'<<<Start Edit Point: Property Let -  1",
    "    mine in 1",
    "'>>>End Edit Point: Property Let -  1",
    "'<<<Start Edit Point: Property Let -  12",
    "    mine in 12",
    "'>>>End Edit Point:",
    "  '<<<Start Edit Point: Additional Functions and/or Subs  ",
    "Private Sub Helper()",
    "    s = \"'>>>End Edit Point: Additional Functions and/or Subs\"",
    "End Sub",
    "'>>>End Edit Point: Additional Functions and/or Subs",
    "'<<<Start Edit Point: Twice",
    "first",
    "'>>>End Edit Point: Twice",
    "'<<<Start Edit Point: Twice",
    "second",
    "'>>>End Edit Point: Twice",
    "'<<<Start Edit Point: Empty",
    "'>>>End Edit Point: Empty",
    "'<<<Start Edit Point: Gone",
    "orphan",
    "'>>>End Edit Point: Gone",
};

const Lines kRegenerated = {
    "Option Explicit",
    "'<<<Start Edit Point: Property Let -  12",
    "'|||generated 12",
    "'>>>End Edit Point: Property Let -  12",
    "'<<<Start Edit Point: Property Let -  1",
    "'|||generated 1",
    "'>>>End Edit Point: Property Let -  1",
    "'<<<Start Edit Point: twice",
    "'>>>End Edit Point: Twice",
    "'<<<Start Edit Point: Twice",
    "'>>>End Edit Point: Twice",
    "'<<<Start Edit Point: Empty",
    "'|||generated empty",
    "'>>>End Edit Point: Empty",
    "'<<<Start Edit Point: Additional Functions and/or Subs",
    "'|||generated",
};

const Lines kRestored = {
    "Option Explicit",
    "'<<<Start Edit Point: Property Let -  12",
    "    mine in 12",
    "'>>>End Edit Point: Property Let -  12",
    "'<<<Start Edit Point: Property Let -  1",
    "    mine in 1",
    "'>>>End Edit Point: Property Let -  1",
    "'<<<Start Edit Point: twice",
    "first",
    "'>>>End Edit Point: Twice",
    "'<<<Start Edit Point: Twice",
    "second",
    "'>>>End Edit Point: Twice",
    "'<<<Start Edit Point: Empty",
    "'|||generated empty",
    "'>>>End Edit Point: Empty",
    "'<<<Start Edit Point: Additional Functions and/or Subs",
    "Private Sub Helper()",
    "    s = \"'>>>End Edit Point: Additional Functions and/or Subs\"",
    "End Sub",
    "'|||generated",
};

class EditPointTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        mUserTemp = core::UserTempFolder();
        mApplication->SetIsRestoreAll(true);
    }

    // Writes `code` as the saved component "Order" of project "Sales".
    void Existing(IConstructor& engine, const Lines& code) {
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
        WriteComponent(engine, "Order", 1, code);
        Order()->SaveAs(mFolder / "Order.cls");
    }
    std::shared_ptr<vbide::VBComponent> Order() const {
        return Project("Sales")->VBComponents().Item("Order");
    }
    Lines CodeOf(const std::string& name) const {
        return Project("Sales")->VBComponents().Item(name)->CodeModule()->AllLines();
    }
    // What the per-user temporary folder holds, two levels deep, relative to it.
    Lines UserTempFiles() const {
        Lines names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(mUserTemp)) {
            if (entry.is_regular_file())
                names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path mUserTemp;
};

TEST_F(EditPointTest, EachBlockGoesBackIntoItsOwnMarkerAndTheRestStaysInTheScratch) {
    const std::string oldFile = (mFolder / "Order.cls").string();
    Steps([&](IConstructor& engine, BarePattern&) {
        Existing(engine, kDevelopersCode);
        std::filesystem::remove(oldFile);
        WriteComponent(engine, "Order", 1, kRegenerated);
    });
    // The developer's code is read from the component: its file is not written again.
    EXPECT_FALSE(std::filesystem::exists(oldFile));
    EXPECT_EQ(CodeOf("Order"), kRestored);
    EXPECT_EQ(ComponentNames(*Project("Sales")), (Lines{"Order_tmp", "Order"}));
    const Lines orphan = {"'<<<Start Edit Point: Gone", "orphan", "'>>>End Edit Point: Gone"};
    EXPECT_EQ(CodeOf("Order_tmp"), orphan);
    EXPECT_EQ(UserTempFiles(), Lines{"Order_tmp.txt"});
    // Only generated lines count.
    EXPECT_EQ(mEngine->Monitor().Rows().back().linesOfCode, std::to_string(kRegenerated.size()));
    EXPECT_EQ(CodeOf("Order").size(), kRestored.size());

    // A second regeneration takes the next free name; what finds its place leaves no scratch behind.
    Steps([&](IConstructor& engine, BarePattern&) {
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
        Order()->CodeModule()->SetAllLines(Lines(kDevelopersCode.begin(), kDevelopersCode.end() - 3));
        Order()->SaveAs(mFolder / "Order.cls");
        WriteComponent(engine, "Order", 1, kRegenerated);
    });
    EXPECT_EQ(CodeOf("Order"), kRestored);
    EXPECT_EQ(ComponentNames(*Project("Sales")), (Lines{"Order_tmp", "Order"}));
    EXPECT_EQ(UserTempFiles(), Lines{"Order_tmp.txt"});

    // The run's scratch files go with the engine; the unrestored code stays in the project.
    mEngine.reset();
    EXPECT_TRUE(std::filesystem::is_empty(mUserTemp));
    EXPECT_EQ(CodeOf("Order_tmp"), orphan);
}

TEST_F(EditPointTest, EachRunHasScratchFilesOfItsOwn) {
    std::ofstream(mUserTemp / "Order_tmp.txt") << "someone else's\n";
    // Left by a run that was killed: its process is gone.
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::filesystem::path leftOver = mUserTemp / ("run-" + std::to_string(gone) + "-abcdef");
    const std::filesystem::path running = mUserTemp / ("run-" + std::to_string(::getppid()) + "-abcdef");
    for (const auto& folder : {leftOver, running}) {
        std::filesystem::create_directory(folder);
        std::ofstream(folder / "Order_tmp.txt") << "old\n";
    }

    Steps([&](IConstructor& engine, BarePattern&) {
        Existing(engine, kDevelopersCode);
        WriteComponent(engine, "Order", 1, {"Option Explicit"});
    });
    EXPECT_EQ(ComponentNames(*Project("Sales")), (Lines{"Order_tmp", "Order"}));
    EXPECT_EQ(CodeOf("Order_tmp").size(), 20u);  // every block but the empty one
    EXPECT_FALSE(std::filesystem::exists(leftOver));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_EQ(UserTempFiles(), (Lines{"Order_tmp.txt", "Order_tmp.txt", "Order_tmp.txt"}));
    mEngine.reset();
    std::ifstream untouched(mUserTemp / "Order_tmp.txt");
    std::string line;
    std::getline(untouched, line);
    EXPECT_EQ(line, "someone else's");
    EXPECT_EQ(UserTempFiles(), (Lines{"Order_tmp.txt", "Order_tmp.txt"}));
    struct stat status {};
    ASSERT_EQ(::stat(mUserTemp.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
}

TEST_F(EditPointTest, NothingWorthKeepingLeavesNoScratch) {
    const Lines empty = {"'<<<Start Edit Point: Empty", "'>>>End Edit Point: Empty"};
    Steps([&](IConstructor& engine, BarePattern&) {
        Existing(engine, {"Option Explicit", empty[0], empty[1]});
        WriteComponent(engine, "Order", 1, {empty[0], "'|||generated", empty[1]});
    });
    EXPECT_EQ(CodeOf("Order"), (Lines{empty[0], "'|||generated", empty[1]}));
    EXPECT_EQ(ComponentNames(*Project("Sales")), Lines{"Order"});
    EXPECT_TRUE(std::filesystem::is_empty(mUserTemp));
}

TEST_F(EditPointTest, BrokenMarkersFailTheComponentNamingFileLineAndEditPoint) {
    const struct {
        Lines code;
        const char* message;
    } cases[] = {
        {{"Option Explicit", "'<<<Start Edit Point: Open", "never closed"},
         ": the edit point \"Open\" has no end marker."},
        {{"'<<<Start Edit Point: A", "a", "'<<<Start Edit Point: B", "b", "'>>>End Edit Point: B"},
         ": the edit point \"A\" has no end marker."},
        {{"'<<<Start Edit Point: A", "'>>>End Edit Point: A", "mine", "'>>>End Edit Point: B"},
         ": the end marker of the edit point \"B\" has no start marker."},
    };
    const int lines[] = {2, 1, 4};  // of the code
    // The line of the file that holds `text`, as an editor numbers it.
    const auto fileLine = [](const std::filesystem::path& file, const std::string& text) {
        std::ifstream in(file);
        int number = 1;
        for (std::string line; std::getline(in, line) && line != text + "\r";)
            ++number;
        return number;
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        mVBE = std::make_shared<vbide::VBE>();
        mEngine = std::make_shared<core::qelConstructor>();
        Steps([&](IConstructor& engine, BarePattern&) {
            Existing(engine, cases[i].code);
            EXPECT_EQ(engine.SetVBComponent("Sales", "Order", 1, ""), 4);
            EXPECT_TRUE(engine.FailureTold());
            // A failure of another cause, after it, leaves its cause to the pattern's question.
            EXPECT_EQ(engine.SetVBComponent("Sales", "Bad Name", 1, ""), 4);
            EXPECT_FALSE(engine.FailureTold());
        });
        EXPECT_EQ(CodeOf("Order"), cases[i].code);
        EXPECT_EQ(ComponentNames(*Project("Sales")), Lines{"Order"});
        EXPECT_TRUE(std::filesystem::is_empty(mUserTemp));
        ASSERT_FALSE(mScript.Prompts().empty());
        const std::filesystem::path file = mFolder / "Order.cls";
        EXPECT_EQ(mScript.Prompts().back().prompt,
                  "Line " + std::to_string(fileLine(file, cases[i].code[lines[i] - 1])) + " of " +
                      file.string() + cases[i].message + " Mend the marker, then generate again.");
    }
}

// Kept code in a procedure that the generator wrote past 64 KB already: each edit point holding it is named
// with its bytes, and both the developer's part and the model's are advised.
TEST_F(EditPointTest, KeptCodeInAProcedureTooLargeIsNamedByEditPoint) {
    Lines regenerated = testing_support::ProcedureOfBytes(65536);
    const Lines markers = {"'<<<Start Edit Point: A", "'>>>End Edit Point: A", "'<<<Start Edit Point: B",
                           "'>>>End Edit Point: B"};
    regenerated.insert(regenerated.begin() + 1, markers.begin(), markers.end());
    Lines old = regenerated;
    old.insert(old.begin() + 2, "    a = 1");
    old.insert(old.begin() + 5, "    b = 22");
    std::string message;
    try {
        Steps([&](IConstructor& engine, BarePattern&) {
            Existing(engine, {"Option Explicit"});
            Order()->CodeModule()->SetAllLines(old);
            WriteComponent(engine, "Order", 1, regenerated);
        });
    } catch (const core::UnloadableModule& unloadable) {
        message = unloadable.Description();
    }
    EXPECT_EQ(
        message,
        "VB cannot load \"Order\", which the build wrote into the project \"Sales\":\nprocedure Sub P: "
        "65655 bytes of code, more than the 65535 VB compiles in one procedure; of these, code kept between "
        "edit points: 11 bytes in \"A\", 12 bytes in \"B\"\nGeneration aborted! Move the code kept "
        "between those edit points into a procedure of its own (or several, each under 64 KB), call it "
        "from there. Give the business object \"Order\" fewer properties, or shorter names, and build "
        "again.");
}

TEST_F(EditPointTest, DiscardingSavesNothing) {
    mApplication->SetIsRestoreAll(false);
    mApplication->SetIsDiscardAll(true);
    Steps([&](IConstructor& engine, BarePattern&) {
        Existing(engine, kDevelopersCode);
        WriteComponent(engine, "Order", 1, kRegenerated);
    });
    EXPECT_EQ(CodeOf("Order"), kRegenerated);
    EXPECT_EQ(ComponentNames(*Project("Sales")), Lines{"Order"});
}

}  // namespace
}  // namespace enginetest
