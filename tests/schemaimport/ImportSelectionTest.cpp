// The table selection dialog: moves, OK and Cancel through a script, and its Qt form offscreen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "platform/ui/QtInteraction.h"
#include "platform/ui/ScriptedInteraction.h"
#include "schemaimport/frmImportSelection.h"

namespace schemaimport {
namespace {

using Names = std::vector<std::string>;

class ImportSelectionTest : public ::testing::Test {
  protected:
    ImportSelectionTest() : mScoped(mScript) {
        for (const char* table : {"A", "B", "C", "D", "E"})
            mOffered->Add(table);
        mForm.SetTablesInDatabase(mOffered);
        mForm.Form_Load();
    }

    Names Chosen() const {
        Names names;
        for (const std::string& table : mForm.TablestoImport())
            names.push_back(table);
        return names;
    }

    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScoped;
    std::shared_ptr<vb::Collection<std::string>> mOffered = std::make_shared<vb::Collection<std::string>>();
    frmImportSelection mForm;
};

TEST_F(ImportSelectionTest, MovesKeepTheListsAndTheirSelection) {
    struct Step {
        int32_t selectLeft, selectRight;  // set before the click; -2 leaves the selection as it is
        int32_t button;
        Names left, right;
        int32_t leftIndex, rightIndex;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"nothing selected moves nothing", {{-1, -1, 0, {"A", "B", "C", "D", "E"}, {}, -1, -1}}},
        {"the item at the same place is selected next",
         {{1, -2, 0, {"A", "C", "D", "E"}, {"B"}, 1, -1}, {-2, -2, 0, {"A", "D", "E"}, {"B", "C"}, 1, -1}}},
        {"moving the last item selects the new last one",
         {{4, -2, 0, {"A", "B", "C", "D"}, {"E"}, 3, -1}, {-2, -2, 0, {"A", "B", "C"}, {"E", "D"}, 2, -1}}},
        {"all right keeps the left order, then all left",
         {{-2, -2, 1, {}, {"A", "B", "C", "D", "E"}, -1, -1},
          {-2, -2, 1, {}, {"A", "B", "C", "D", "E"}, -1, -1},
          {-2, 0, 3, {"A", "B", "C", "D", "E"}, {}, -1, -1}}},
        {"selected left",
         {{0, -2, 0, {"B", "C", "D", "E"}, {"A"}, 0, -1}, {-2, 0, 2, {"B", "C", "D", "E", "A"}, {}, 0, -1}}},
        {"double clicks",
         {{2, -2, 10, {"A", "B", "D", "E"}, {"C"}, 2, -1},
          {-2, 0, 12, {"A", "B", "D", "E", "C"}, {}, 2, -1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mForm.Form_Load();
        for (const Step& step : c.steps) {
            if (step.selectLeft != -2)
                mForm.lstAllTables.ListIndex = step.selectLeft;
            if (step.selectRight != -2)
                mForm.lstSelectedTables.ListIndex = step.selectRight;
            if (step.button == 10)
                mForm.lstAllTables_DblClick();
            else if (step.button == 12)
                mForm.lstSelectedTables_DblClick();
            else
                mForm.cmdMoveTables_Click(step.button);
            EXPECT_EQ(mForm.lstAllTables.List, step.left);
            EXPECT_EQ(mForm.lstSelectedTables.List, step.right);
            EXPECT_EQ(mForm.lstAllTables.ListIndex, step.leftIndex);
            EXPECT_EQ(mForm.lstSelectedTables.ListIndex, step.rightIndex);
        }
    }
    EXPECT_EQ(mOffered->Count(), 5);  // the caller's collection is only read
}

TEST_F(ImportSelectionTest, OKReadsTheChosenListInItsOrder) {
    for (const int32_t index : {3, 0, 1}) {
        mForm.lstAllTables.ListIndex = index;
        mForm.cmdMoveTables_Click(0);
    }
    EXPECT_EQ(mForm.lstSelectedTables.List, (Names{"D", "A", "C"}));
    mForm.lstSelectedTables.ListIndex = 0;
    mForm.cmdMoveTables_Click(2);  // D back, then again to the end
    mForm.lstAllTables.ListIndex = 2;
    mForm.cmdMoveTables_Click(0);
    EXPECT_TRUE(Chosen().empty());
    mForm.cmdOK_Click();
    EXPECT_EQ(Chosen(), (Names{"A", "C", "D"}));
    EXPECT_TRUE(mForm.OKClickedForImporting());
    EXPECT_FALSE(mForm.CancelClicked());
    EXPECT_TRUE(mForm.IsUnloaded());
    EXPECT_TRUE(mScript.Prompts().empty());
}

TEST_F(ImportSelectionTest, OKWithoutTablesStaysOpenAndCancelOrCloseLeaveNothingChosen) {
    mForm.cmdOK_Click();
    ASSERT_EQ(mScript.Prompts().size(), 1u);
    EXPECT_EQ(mScript.Prompts()[0].prompt, "No tables have been selected to import!");
    EXPECT_EQ(mScript.Prompts()[0].buttons, 10);
    EXPECT_EQ(mScript.Prompts()[0].title, "VB Ostrel");
    EXPECT_FALSE(mForm.IsUnloaded());
    EXPECT_FALSE(mForm.OKClickedForImporting());

    mForm.cmdMoveTables_Click(1);
    mForm.cmdCancel_Click();
    EXPECT_TRUE(mForm.IsUnloaded());
    EXPECT_TRUE(mForm.CancelClicked());
    EXPECT_FALSE(mForm.OKClickedForImporting());
    EXPECT_TRUE(Chosen().empty());

    frmImportSelection closed;
    closed.SetTablesInDatabase(mOffered);
    closed.Form_Load();
    closed.cmdMoveTables_Click(1);
    closed.Form_Unload();
    EXPECT_FALSE(closed.CancelClicked());
    EXPECT_FALSE(closed.OKClickedForImporting());
}

TEST_F(ImportSelectionTest, HelpShowsItsTopic) {
    mForm.cmdHelp_Click();
    ASSERT_EQ(mScript.HelpShown().size(), 1u);
    EXPECT_EQ(mScript.HelpShown()[0].second, 1003);
}

// The Qt form: the lists and buttons of the logic, a move by a real click, OK by a real click.
TEST_F(ImportSelectionTest, TheQtFormOpensOffscreen) {
    ui::EnsureApplication();
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    const QString folder = QString::fromStdString(
        (binary != nullptr ? std::string(binary) : std::filesystem::temp_directory_path().string()) +
        "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    mForm.lstAllTables.ListIndex = 1;
    mForm.cmdMoveTables_Click(0);
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        auto* all = shown->findChild<QListWidget*>("lstAllTables");
        ASSERT_NE(all, nullptr);
        all->setCurrentRow(2);
        shown->findChild<QPushButton*>("cmdMoveTables0")->click();
        EXPECT_EQ(shown->findChild<QListWidget*>("lstSelectedTables")->count(), 2);
        EXPECT_EQ(shown->findChild<QPushButton*>("cmdMoveTables1")->toolTip(),
                  "Move All Tables to the Right");
        saved = shown->grab().save(folder + "/import-selection.png");
        for (auto* button : shown->findChildren<QPushButton*>()) {
            if (button->text() == "OK")
                button->click();
        }
    });
    mForm.ShowWidget();
    EXPECT_TRUE(saved);
    EXPECT_EQ(Chosen(), (Names{"B", "D"}));
    EXPECT_TRUE(mForm.OKClickedForImporting());
}

}  // namespace
}  // namespace schemaimport
