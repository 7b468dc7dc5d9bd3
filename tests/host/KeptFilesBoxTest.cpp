// The IDE's message box after a save that kept 50 files changed outside it, on a 1024x768 screen: it names
// every one, its text scrolling, and stays within the screen with its OK button.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>

#include <fstream>

#include "host/IdeSession.h"
#include "platform/ide/ProjectFiles.h"
#include "tests/host/QtTestApplication.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/support/DialogPictures.h"

TEST(KeptFilesBox, FiftyKeptFilesAreToldInABoxThatFitsTheScreen) {
    const dao_test::TestFolder folder;
    vbide::VBE written;
    for (int i = 0; i < 50; ++i)
        written.VBProjects().Add(vbide::vbext_pt_ActiveXDll)->SetName("P" + std::to_string(i));
    vbide::SaveProjectGroup(written, folder / "Shop.vbg");
    host::IdeSession session(folder / "vbaddin.ini");
    ASSERT_TRUE(session.Document().OpenGroup(folder / "Shop.vbg"));
    for (int i = 0; i < 50; ++i)
        std::ofstream(folder / ("P" + std::to_string(i)) / "Class1.cls", std::ios::app) << "' outside\r\n";

    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    testing_support::DriveModal(
        "ostrel", "ostrel-kept-fifty-files", [&] { session.Document().Save(); },
        [](QDialog& box) {
            const QRect screen = box.screen()->availableGeometry();
            EXPECT_EQ(screen, QRect(0, 0, 1024, 768));
            EXPECT_TRUE(screen.contains(box.frameGeometry()));
            const auto* ok = qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Ok);
            EXPECT_TRUE(screen.contains(QRect(ok->mapToGlobal(QPoint()), ok->size())));
            testing_support::Press(box, QDialogButtonBox::Ok);
            const auto* text = box.findChild<QScrollArea*>("ScrolledText");
            ASSERT_NE(text, nullptr);
            EXPECT_EQ(qobject_cast<QLabel*>(text->widget())->text().count(".unsaved."), 50);
        });
}
