// The main window as the add-in's connection and shared procedures use it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

#include "builder/frmBuilderMain.h"
#include "core/CommonStatus.h"
#include "platform/ui/QtInteraction.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/platform/dao/TestFiles.h"

namespace builder {
namespace {

using Events = std::vector<std::string>;

TEST(frmBuilderMain, LoadedFromShowToUnloadWithItsToolPropertiesAndStatusBar) {
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction useIt(interaction);
    dao_test::TestFolder folder;
    frmBuilderMain form;
    form.SetToolDBPath(folder.Path());
    core::Common::SetStatus("Generating...", true);
    EXPECT_EQ(form.StatusText(), "");

    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    const auto toolProperties = form.ToolProperties();
    ASSERT_NE(toolProperties, nullptr);
    core::Common::SetStatus("Generating...", true);
    EXPECT_EQ(form.StatusText(), "Generating..., please wait...");

    // Hidden, it stays loaded: the same tool properties, and the status text still arrives.
    form.Hide();
    form.Show();
    EXPECT_EQ(form.ToolProperties(), toolProperties);
    core::Common::SetStatus("", false);
    EXPECT_EQ(form.StatusText(), "Ready");

    form.Unload();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.ToolProperties(), nullptr);
    EXPECT_EQ(core::CurrentStatusSink(), nullptr);
    core::Common::SetStatus("Generating...", false);
    EXPECT_EQ(form.StatusText(), "");

    // Loading again starts afresh.
    form.Show();
    EXPECT_NE(form.ToolProperties(), nullptr);
    EXPECT_NE(form.ToolProperties(), toolProperties);
    form.Unload();
    form.Unload();
    EXPECT_EQ(interaction.WindowEvents(),
              (Events{"show frmBuilderMain", "close frmBuilderMain", "show frmBuilderMain",
                      "close frmBuilderMain", "show frmBuilderMain", "close frmBuilderMain"}));
}

TEST(frmBuilderMain, ADestroyedLoadedWindowLeavesNoStatusSink) {
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction useIt(interaction);
    dao_test::TestFolder folder;
    {
        frmBuilderMain form;
        form.SetToolDBPath(folder.Path());
        form.Show();
        ASSERT_EQ(core::CurrentStatusSink(), &form);
    }
    EXPECT_EQ(core::CurrentStatusSink(), nullptr);
}

QMainWindow* ShownMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "frmBuilderMain" && widget->isVisible())
            return qobject_cast<QMainWindow*>(widget);
    }
    return nullptr;
}

TEST(frmBuilderMain, TheQtWindowShowsTheStatusTextInItsFirstPanel) {
    ui::QtInteraction interaction;
    ui::ScopedInteraction useIt(interaction);
    dao_test::TestFolder folder;
    frmBuilderMain form;
    form.SetToolDBPath(folder.Path());
    form.Show();
    QMainWindow* window = ShownMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "VBOstrel - New Application");

    core::Common::SetStatus("Synchronizing Database Information...", true);
    const auto* panel = window->findChild<QLabel*>("stsStatusBarPanel1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->text(), "Synchronizing Database Information..., please wait...");

    form.Hide();
    EXPECT_EQ(ShownMainWindow(), nullptr);
    form.Show();
    window = ShownMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChild<QLabel*>("stsStatusBarPanel1")->text(),
              "Synchronizing Database Information..., please wait...");

    form.Unload();
    EXPECT_EQ(ShownMainWindow(), nullptr);
}

}  // namespace
}  // namespace builder
