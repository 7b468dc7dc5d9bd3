#include <gtest/gtest.h>

#include "core/frmConstructionMonitor.h"
#include "core/frmDuplicateComponent.h"
#include "core/frmGenWarnings.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/vb/Error.h"

namespace {

TEST(ConstructionMonitor, RowsStatusAndRunningTotal) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    core::frmConstructionMonitor monitor;
    monitor.Show();
    monitor.BeginConstruction("Orders", "Customer", "Customer", "OrdersL2");
    EXPECT_EQ(monitor.Caption(), "Building Application: Orders");
    EXPECT_EQ(monitor.Rows()[0].status, "In progress...");
    monitor.EndConstruction("Customer", 120);
    monitor.BeginConstruction("Orders", "Customer", "CustomerList", "OrdersL2");
    monitor.EndConstruction("SomethingElse", 0);  // the row of the last begin is updated
    ASSERT_EQ(monitor.Rows().size(), 2u);
    EXPECT_EQ(monitor.Rows()[0].linesOfCode, "120");
    EXPECT_EQ(monitor.Rows()[1].component, "CustomerList");
    EXPECT_EQ(monitor.Rows()[1].status, "Finished");
    EXPECT_EQ(monitor.Rows()[1].linesOfCode, "0");
    EXPECT_EQ(monitor.TotalLinesOfCodeText(), "120");
}

TEST(ConstructionMonitor, ProjectAndComponentAreKeptApartAndRewritesUpdateTheirRow) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    core::frmConstructionMonitor monitor;
    monitor.Show();
    monitor.BeginConstruction("App", "A", "BC", "A");  // would share the key "ABC" if joined
    monitor.EndConstruction("BC", 1);
    monitor.BeginConstruction("App", "A", "C", "AB");
    monitor.EndConstruction("C", 2);
    monitor.BeginConstruction("App", "A", "BC", "A");  // written again in the same run
    monitor.EndConstruction("BC", 3);
    ASSERT_EQ(monitor.Rows().size(), 2u);
    EXPECT_EQ(monitor.Rows()[0].linesOfCode, "3");
    EXPECT_EQ(monitor.Rows()[1].linesOfCode, "2");
    EXPECT_EQ(monitor.TotalLines(), 6);
}

TEST(ConstructionMonitor, ShutdownDropsRowsButKeepsTheTotal) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    core::frmConstructionMonitor monitor;
    monitor.Show();
    monitor.BeginConstruction("App", "A", "One", "P");
    monitor.EndConstruction("One", 10);
    monitor.Shutdown();
    EXPECT_FALSE(monitor.IsLoaded());
    monitor.Show();
    EXPECT_TRUE(monitor.Rows().empty());
    EXPECT_EQ(monitor.TotalLinesOfCodeText(), "");
    monitor.BeginConstruction("App", "A", "Two", "P");
    monitor.EndConstruction("Two", 5);
    EXPECT_EQ(monitor.Rows().size(), 1u);
    EXPECT_EQ(monitor.TotalLinesOfCodeText(), "15");
    monitor.Finished();
    ASSERT_EQ(script.Prompts().size(), 1u);
    EXPECT_EQ(script.Prompts()[0].prompt, "Generation finished!");
    EXPECT_EQ(script.BeepCount(), 1);
    EXPECT_EQ(script.WindowEvents(),
              (std::vector<std::string>{"show frmConstructionMonitor", "close frmConstructionMonitor",
                                        "show frmConstructionMonitor", "show frmConstructionMonitor"}));
}

TEST(ConstructionMonitor, TotalOverflowRaises) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    core::frmConstructionMonitor monitor;
    monitor.BeginConstruction("App", "A", "One", "P");
    monitor.EndConstruction("One", 2147483647);
    monitor.BeginConstruction("App", "A", "Two", "P");
    EXPECT_THROW(monitor.EndConstruction("Two", 1), vb::Error);
}

TEST(DuplicateComponent, AnswersFromTheTwoChoices) {
    const struct {
        bool discard;
        bool applyToAll;
        bool restoreOne, restoreAll, discardAll;
    } cases[] = {
        {false, false, true, false, false},
        {true, false, false, false, false},
        {false, true, false, true, false},
        {true, true, false, false, true},
    };
    for (const auto& c : cases) {
        ui::ScriptedInteraction script;
        ui::ScopedInteraction installed(script);
        script.AnswerDialog([&](ui::ModalDialog& shown) {
            auto& dialog = static_cast<core::frmDuplicateComponent&>(shown);
            if (c.discard)
                dialog.optDiscard_Click();
            dialog.SetApplyToAll(c.applyToAll);
            dialog.cmdOK_Click();
        });
        core::frmDuplicateComponent dialog;
        dialog.SetComponentName("Order Line");
        dialog.Show();
        EXPECT_EQ(dialog.RestoreOne(), c.restoreOne);
        EXPECT_EQ(dialog.RestoreAll(), c.restoreAll);
        EXPECT_EQ(dialog.DiscardAll(), c.discardAll);
    }
}

TEST(DuplicateComponent, TextsAndDefaults) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    core::frmDuplicateComponent dialog;
    dialog.SetComponentName("My Comp");
    script.AnswerDialog([](ui::ModalDialog& shown) {
        auto& d = static_cast<core::frmDuplicateComponent&>(shown);
        EXPECT_EQ(d.Message(),
                  "The component: My Comp already exists.\rSelect one of the following options.");
        EXPECT_EQ(d.RestoreCaption(), "Save code inserted between edit points in My Comp");
        EXPECT_EQ(d.DiscardCaption(), "Discard code inserted between edit points in My Comp");
        EXPECT_EQ(d.ApplyToAllCaption(), "Save code in all regenerated components.  Don't prompt again.");
        d.optDiscard_Click();
        EXPECT_EQ(d.ApplyToAllCaption(), "Don't prompt again. Discard code in all regenerated components.");
        EXPECT_TRUE(d.ApplyToAll());  // switching options leaves the tick alone
        d.optRestore_Click();
        d.cmdHelp_Click();
        d.cmdOK_Click();
    });
    dialog.Show();
    EXPECT_TRUE(dialog.RestoreAll());  // OK without changes keeps every component's code
    ASSERT_EQ(script.HelpShown().size(), 1u);
    EXPECT_EQ(script.HelpShown()[0].second, 7);

    // Shown again: answers reset; closed by its frame: this component's code is kept.
    script.AnswerDialog(
        [](ui::ModalDialog& shown) { static_cast<core::frmDuplicateComponent&>(shown).CloseByFrame(); });
    dialog.Show();
    EXPECT_TRUE(dialog.RestoreOne());
    EXPECT_FALSE(dialog.RestoreAll());
    EXPECT_FALSE(dialog.DiscardAll());
}

TEST(GenWarnings, OkOnlyAfterOk) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    core::frmGenWarnings dialog;
    dialog.SetGenerationWarnings({"Parent Customer is not selected.", "Child OrderLine is not selected."});
    script.AnswerDialog([](ui::ModalDialog& shown) {
        auto& d = static_cast<core::frmGenWarnings&>(shown);
        EXPECT_EQ(d.Items().size(), 2u);
        d.cmdOK_Click();
    });
    dialog.Show();
    EXPECT_TRUE(dialog.OK());
    dialog.Show();  // closed by its frame
    EXPECT_FALSE(dialog.OK());
}

}  // namespace
