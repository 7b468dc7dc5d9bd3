// The main window with a form open, saved as a picture under the build folder for a person to look at.

#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>

#include <filesystem>
#include <sstream>

#include "host/FormLayout.h"
#include "host/GenerateCommand.h"
#include "host/qt/FormView.h"
#include "host/qt/MainWindow.h"
#include "tests/host/HostTestFixture.h"
#include "tests/host/QtTestApplication.h"

namespace {

class ScreenshotTest : public HostTestFixture {};

void SetBox(const std::shared_ptr<vbide::VBControl>& control, int left, int top, int width, int height) {
    control->Properties("Left")->SetValue(vb::Variant(left));
    control->Properties("Top")->SetValue(vb::Variant(top));
    control->Properties("Width")->SetValue(vb::Variant(width));
    control->Properties("Height")->SetValue(vb::Variant(height));
}

std::shared_ptr<vbide::VBControl> Add(vbide::FormDesigner& designer, const char* progId,
                                      const char* caption) {
    auto control = designer.VBControls().Add(progId);
    if (control->HasProperty("Caption"))
        control->Properties("Caption")->SetValue(vb::Variant(caption));
    else if (control->HasProperty("Text"))
        control->Properties("Text")->SetValue(vb::Variant(caption));
    return control;
}

TEST_F(ScreenshotTest, MainWindowWithAFormOpen) {
    host::CommandLine line;
    line.addIns = {kTestAddIn};
    Session().StartUp(line);
    Session().Document().NewProject(vbide::vbext_pt_StandardExe);
    auto& project = *Session().VBE().VBProjects().Item(1);
    project.SetName("Orders");
    project.VBComponents().Add(vbide::vbext_ct_ClassModule)->SetName("Customer");
    project.VBComponents().Add(vbide::vbext_ct_StdModule)->SetName("CommonLogical");
    const auto form = project.VBComponents().Item(1);
    form->SetName("frmCustomerList");
    form->Properties("Caption")->SetValue(vb::Variant("Customer List"));
    form->Properties("ClientWidth")->SetValue(vb::Variant(6900));
    form->Properties("ClientHeight")->SetValue(vb::Variant(4200));
    auto& designer = *form->Designer();
    auto search = Add(designer, "Frame", "Search");
    SetBox(search, 120, 120, 6660, 900);
    auto label = Add(designer, "Label", "Name:");
    SetBox(label, 120, 360, 700, 255);
    auto text = Add(designer, "TextBox", "");
    SetBox(text, 840, 330, 3000, 315);
    auto find = Add(designer, "CommandButton", "&Find");
    SetBox(find, 5280, 300, 1200, 375);
    for (const auto& child : {label, text, find})
        child->SetContainer(search);
    SetBox(Add(designer, "ComctlLib.ListView", ""), 120, 1140, 6660, 2340);
    SetBox(Add(designer, "CheckBox", "Active only"), 120, 3660, 1800, 315);
    const char* buttons[] = {"&New", "&Open", "&Delete", "&Close"};
    for (int i = 0; i < 4; ++i)
        SetBox(Add(designer, "CommandButton", buttons[i]), 1980 + i * 1230, 3600, 1110, 420);

    host::MainWindow window(Session());
    window.resize(1100, 640);
    window.RefreshIfChanged();
    window.OpenComponent(form);
    window.show();
    QApplication::processEvents();

    const QString folder = QString::fromStdString(std::string(OSTREL_BINARY_DIR_AT_BUILD) + "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QPixmap picture = window.grab();
    EXPECT_GT(picture.width(), 0);
    EXPECT_TRUE(picture.save(folder + "/ostrel-main.png"));
}

// The sample generated with its forms, its group opened in the main window and each form opened there and
// pictured, for a person to look at. The drawn layout holds every control of the designer, and what a
// frame holds stays inside it.
TEST(GeneratedFormPictures, TheSampleFormsInTheMainWindow) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("ostrel-pictures-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    host::GenerateCommand command;
    command.request.repository =
        std::filesystem::path(OSTREL_BINARY_DIR_AT_BUILD) / "samples" / "vbostrel.mdb";
    command.request.application = "OrderEntry";
    command.out = folder / "out";
    std::ostringstream out, err;
    ASSERT_EQ(host::RunGenerateCommand(command, out, err), 0) << err.str();

    host::IdeSession session(folder / "vbaddin.ini");
    host::CommandLine line;
    line.groupFile = command.out / "OrderEntry.vbg";
    session.StartUp(line);
    host::MainWindow window(session);
    window.resize(1100, 760);
    window.show();
    window.RefreshIfChanged();

    const QString pictures = QString::fromStdString(std::string(OSTREL_BINARY_DIR_AT_BUILD) + "/screenshots");
    ASSERT_TRUE(QDir().mkpath(pictures));
    std::shared_ptr<vbide::VBProject> ui;
    for (const auto& project : session.VBE().VBProjects()) {
        if (project->Name() == "OrderEntryUI")
            ui = project;
    }
    ASSERT_TRUE(ui);
    for (const char* name :
         {"frmOrderEntry_Startup", "frmOrderEntry_Logon", "frmOrderList", "frmOrderLineSearch",
          "frmCustomerLookUp", "frmCustomerDetail", "frmOrderLineDetail"}) {
        SCOPED_TRACE(name);
        const auto form = ui->VBComponents().Item(name);
        ASSERT_TRUE(form && form->Designer());
        window.OpenComponent(form);
        QApplication::processEvents();
        auto* area = window.findChild<QMdiArea*>();
        ASSERT_TRUE(area && area->activeSubWindow());
        auto* view = area->activeSubWindow()->findChild<host::FormView*>();
        ASSERT_TRUE(view);
        EXPECT_EQ(view->size(), view->sizeHint());
        const QPixmap picture = view->grab();
        EXPECT_TRUE(picture.save(pictures + "/" + name + ".png"));

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
        }
    }
    window.close();
    std::filesystem::remove_all(folder);
}

}  // namespace
