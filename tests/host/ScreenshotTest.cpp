// The sample generated with its forms and its group opened in the main window: each form opened there as a
// person opens it, checked against the form's own size and font, and pictured for a person to look at.

#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "host/FormLayout.h"
#include "host/GenerateCommand.h"
#include "host/qt/FormView.h"
#include "host/qt/MainWindow.h"
#include "tests/host/QtTestApplication.h"

namespace {

const std::filesystem::path kFolder =
    std::filesystem::temp_directory_path() / ("ostrel-pictures-" + std::to_string(::getpid()));
const std::filesystem::path kGroup = kFolder / "out" / "OrderEntry.vbg";

QString PictureFile(const std::string& name) {
    const QString folder = QString::fromStdString(std::string(OSTREL_BINARY_DIR_AT_BUILD) + "/screenshots");
    EXPECT_TRUE(QDir().mkpath(folder));
    return folder + "/" + QString::fromStdString(name) + ".png";
}

class SampleForms : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::filesystem::remove_all(kFolder);
        host::GenerateCommand command;
        command.request.repository =
            std::filesystem::path(OSTREL_BINARY_DIR_AT_BUILD) / "samples" / "vbostrel.mdb";
        command.request.application = "OrderEntry";
        command.out = kGroup.parent_path();
        std::ostringstream out, err;
        ASSERT_EQ(host::RunGenerateCommand(command, out, err), 0) << err.str();
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(kFolder); }

    // The main window of the given size, shown, with the sample's group open.
    host::MainWindow& OpenWindow(QSize size) {
        host::CommandLine line;
        line.groupFile = kGroup;
        mSession.StartUp(line);
        mWindow = std::make_unique<host::MainWindow>(mSession);
        mWindow->resize(size);
        mWindow->show();
        mWindow->RefreshIfChanged();
        return *mWindow;
    }

    std::shared_ptr<vbide::VBProject> UserInterface() {
        for (const auto& project : mSession.VBE().VBProjects()) {
            if (project->Name() == "OrderEntryUI")
                return project;
        }
        return nullptr;
    }

    // Opens the form's window as a double click in the explorer does; returns the window.
    QMdiSubWindow* Open(const std::shared_ptr<vbide::VBComponent>& form) {
        mWindow->OpenComponent(form);
        QApplication::processEvents();
        return mWindow->findChild<QMdiArea*>()->activeSubWindow();
    }

    void TearDown() override {
        if (mWindow)
            mWindow->close();
    }

    host::IdeSession mSession{kFolder / "vbaddin.ini"};
    std::unique_ptr<host::MainWindow> mWindow;
};

// The README's picture of ostrel: a generated detail form open in the main window.
TEST_F(SampleForms, TheMainWindowWithAGeneratedFormOpen) {
    host::MainWindow& window = OpenWindow({1100, 720});
    ASSERT_NE(Open(UserInterface()->VBComponents().Item("frmCustomerDetail")), nullptr);
    EXPECT_TRUE(window.grab().save(PictureFile("ostrel-main")));
}

// Every form's window opens at the form's size inside the window area, with no scroll bars, and every
// caption fits its control in the form's font as it fits in VB. The drawn layout holds every control of the
// designer, and what a frame holds stays inside it.
TEST_F(SampleForms, EachFormOpensAtItsSizeWithItsCaptionsWhole) {
    OpenWindow({1280, 900});
    const QSize area = mWindow->findChild<QMdiArea*>()->viewport()->size();
    const QFontMetrics font(host::FormFont());
    for (const auto& form : UserInterface()->VBComponents()) {
        if (!form->Designer())
            continue;
        SCOPED_TRACE(form->Name());
        QMdiSubWindow* window = Open(form);
        ASSERT_NE(window, nullptr);
        auto* view = window->findChild<host::FormView*>();
        auto* scroll = window->findChild<QScrollArea*>();
        ASSERT_TRUE(view && scroll);
        EXPECT_EQ(view->size(), view->sizeHint());
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible() || scroll->verticalScrollBar()->isVisible());
        EXPECT_TRUE(QRect(QPoint(), area).contains(window->geometry()));
        EXPECT_TRUE(view->grab().save(PictureFile(form->Name())));

        const host::FormPicture layout = host::LayOutForm(*form->Designer());
        std::size_t controls = 0;
        for (const auto& control : form->Designer()->VBControls())
            controls += control->IsMenu() ? 0 : 1;
        EXPECT_EQ(layout.controls.size(), controls);
        for (const host::PlacedControl& placed : layout.controls) {
            const host::PixelRect& rect = placed.rect;
            const host::PixelRect& clip = placed.clip;
            EXPECT_TRUE(rect.left >= clip.left && rect.top >= clip.top &&
                        rect.left + rect.width <= clip.left + clip.width &&
                        rect.top + rect.height <= clip.top + clip.height)
                << placed.name;
            QString caption = QString::fromStdString(placed.caption);
            caption.remove('&');
            if (placed.look != host::ControlLook::TextBox && placed.look != host::ControlLook::ComboBox) {
                EXPECT_LE(font.horizontalAdvance(caption), host::CaptionRoom(placed)) << placed.name;
            }
        }
    }
}

// A form larger than the window area: its window fills the area and scrolls.
TEST_F(SampleForms, AFormLargerThanTheAreaScrollsInsideIt) {
    OpenWindow({700, 420});
    QMdiSubWindow* window = Open(UserInterface()->VBComponents().Item("frmCustomerDetail"));
    ASSERT_NE(window, nullptr);
    const QSize area = mWindow->findChild<QMdiArea*>()->viewport()->size();
    EXPECT_TRUE(QRect(QPoint(), area).contains(window->geometry()));
    EXPECT_TRUE(window->findChild<QScrollArea*>()->verticalScrollBar()->isVisible());
    EXPECT_TRUE(mWindow->grab().save(PictureFile("ostrel-small-area")));
}

}  // namespace
