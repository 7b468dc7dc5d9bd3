// The IDE's message box after a save that kept many files changed outside it, on a 1024x768 screen.

#include <gtest/gtest.h>

#include <unistd.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>

#include <filesystem>
#include <fstream>

#include "host/IdeSession.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ui/QtInteraction.h"
#include "tests/host/QtTestApplication.h"
#include "tests/support/DialogPictures.h"

namespace {

// Fifty modules changed outside after the IDE opened their group: the box names every one, its text
// scrolling, and the box with its OK button stays within the screen.
TEST(KeptFilesBox, FiftyKeptFilesAreToldInABoxThatFitsTheScreen) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("ostrel-kept-" + std::to_string(::getpid()));
    const auto group = folder / "Shop.vbg";
    {
        vbide::VBE written;
        const auto project = written.VBProjects().Add(vbide::vbext_pt_ActiveXDll);
        for (int i = 0; i < 49; ++i)
            project->VBComponents().Add(vbide::vbext_ct_ClassModule);
        vbide::SaveProjectGroup(written, group);
    }
    host::IdeSession session(folder / "vbaddin.ini");
    ASSERT_TRUE(session.Document().OpenGroup(group));
    int changed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "Project1")) {
        if (entry.path().extension() == ".cls" && ++changed)
            std::ofstream(entry.path(), std::ios::app | std::ios::binary) << "' outside\r\n";
    }
    ASSERT_EQ(changed, 50);
    session.VBE().VBProjects().Item(1)->VBComponents().Item(1)->CodeModule()->InsertLines(1, "' IDE");

    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    testing_support::DriveModal(
        "ostrel", "ostrel-kept-fifty-files", [&] { EXPECT_TRUE(session.Document().Save()); },
        [](QDialog& dialog) {
            const QRect screen = dialog.screen()->availableGeometry();
            EXPECT_EQ(screen.size(), QSize(1024, 768));
            EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << dialog.frameGeometry().height();
            const QAbstractButton* ok = qobject_cast<QMessageBox*>(&dialog)->button(QMessageBox::Ok);
            EXPECT_TRUE(screen.contains(QRect(ok->mapToGlobal(QPoint()), ok->size())));
            testing_support::Press(dialog, QDialogButtonBox::Ok);
            const auto* scrolled = dialog.findChild<QScrollArea*>("ScrolledText");
            ASSERT_NE(scrolled, nullptr);
            EXPECT_EQ(qobject_cast<const QLabel*>(scrolled->widget())->text().count(".unsaved."), 50);
        });
    std::filesystem::remove_all(folder);
}

}  // namespace
