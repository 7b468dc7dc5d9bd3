// Regenerating a component keeps the developer's code between edit points; what finds no place stays in
// the scratch component and its file.

#include <unistd.h>

#include "core/AddInFolders.h"
#include "tests/core/EngineFixture.h"

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
    "'<<<Start Edit Point: nested start is content",
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
    "'<<<Start Edit Point: nested start is content",
    "End Sub",
    "'|||generated",
};

class EditPointTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        mScratchFolder = core::UserTempFolder();
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

    std::filesystem::path mScratchFolder;
};

TEST_F(EditPointTest, EachBlockGoesBackIntoItsOwnMarkerAndTheRestStaysInTheScratch) {
    Steps([&](IConstructor& engine, BarePattern&) {
        Existing(engine, kDevelopersCode);
        WriteComponent(engine, "Order", 1, kRegenerated);
    });
    EXPECT_EQ(CodeOf("Order"), kRestored);
    EXPECT_EQ(ComponentNames(*Project("Sales")), (Lines{"Order_tmp", "Order"}));
    const Lines orphan = {"'<<<Start Edit Point: Gone", "orphan", "'>>>End Edit Point: Gone"};
    EXPECT_EQ(CodeOf("Order_tmp"), orphan);
    EXPECT_TRUE(std::filesystem::exists(mScratchFolder / "Order_tmp.txt"));
    // Only generated lines count; the developer's own file holds what was there before.
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
    EXPECT_FALSE(std::filesystem::exists(mScratchFolder / "Order_tmp1.txt"));
    EXPECT_TRUE(std::filesystem::exists(mScratchFolder / "Order_tmp.txt"));
}

TEST_F(EditPointTest, TheScratchNameIsFreeInTheProjectAndOnDisk) {
    std::ofstream(mScratchFolder / "Order_tmp.txt") << "someone else's\n";
    Steps([&](IConstructor& engine, BarePattern&) {
        Existing(engine, kDevelopersCode);
        WriteComponent(engine, "Order", 1, {"Option Explicit"});
    });
    EXPECT_EQ(ComponentNames(*Project("Sales")), (Lines{"Order_tmp1", "Order"}));
    std::ifstream untouched(mScratchFolder / "Order_tmp.txt");
    std::string line;
    std::getline(untouched, line);
    EXPECT_EQ(line, "someone else's");
    EXPECT_EQ(CodeOf("Order_tmp1").size(), 20u);  // every block but the empty one
    struct stat status {};
    ASSERT_EQ(::stat(mScratchFolder.c_str(), &status), 0);
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
    EXPECT_TRUE(std::filesystem::is_empty(mScratchFolder));
}

TEST_F(EditPointTest, ABlockWithoutItsEndFailsTheComponentAndKeepsTheOldOne) {
    const Lines broken = {"'<<<Start Edit Point: Open", "never closed"};
    Steps([&](IConstructor& engine, BarePattern&) {
        Existing(engine, broken);
        EXPECT_EQ(engine.SetVBComponent("Sales", "Order", 1, ""), 4);
    });
    EXPECT_EQ(CodeOf("Order"), broken);
    EXPECT_EQ(ComponentNames(*Project("Sales")), Lines{"Order"});
    EXPECT_TRUE(std::filesystem::is_empty(mScratchFolder));
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
