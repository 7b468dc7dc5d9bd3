// The add-in's dialogs as a person sees them: each opened offscreen, pictured, and answered through its
// button row.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "core/ModuleLimits.h"
#include "core/frmBuildOptions.h"
#include "core/frmCodeGeneration.h"
#include "core/frmConstructionMonitor.h"
#include "core/frmDuplicateComponent.h"
#include "core/frmErrorDetails.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/frmGenWarnings.h"
#include "core/qelApplication.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "platform/ui/WindowFit.h"
#include "tests/host/QtTestApplication.h"
#include "tests/support/DialogPictures.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTreeWidget>

namespace core {
namespace {

using testing_support::DriveModal;
using testing_support::Press;
using Buttons = QDialogButtonBox::StandardButtons;

Buttons RowOf(QDialog& dialog) {
    auto* row = dialog.findChild<QDialogButtonBox*>();
    return row ? row->standardButtons() : Buttons();
}

TEST(DialogForms, GenerationWarningsAnswerOKOrCancel) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    for (const auto& [button, expectOK] :
         {std::pair{QDialogButtonBox::Ok, true}, {QDialogButtonBox::Cancel, false}}) {
        frmGenWarnings form;
        form.SetGenerationWarnings({"Customer has no key property.", "Order has no properties."});
        DriveModal(
            "Generation Warnings", "frmGenWarnings", [&] { form.Show(); },
            [&](QDialog& dialog) {
                EXPECT_EQ(RowOf(dialog), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
                Press(dialog, button);
            });
        EXPECT_EQ(form.OK(), expectOK);
    }
}

TEST(DialogForms, DuplicateComponentOKTakesTheChoiceAndTheFrameKeepsTheCode) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    frmDuplicateComponent form;
    form.SetComponentName("CustomerPersist");
    DriveModal(
        "Duplicate Component Found!", "frmDuplicateComponent", [&] { form.Show(); },
        [&](QDialog& dialog) {
            EXPECT_EQ(RowOf(dialog), QDialogButtonBox::Ok | QDialogButtonBox::Help);
            Press(dialog, QDialogButtonBox::Ok);
        });
    EXPECT_TRUE(form.RestoreAll());

    frmDuplicateComponent closed;
    closed.SetComponentName("CustomerPersist");
    DriveModal(
        "Duplicate Component Found!", "frmDuplicateComponent-closed", [&] { closed.Show(); },
        [](QDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(closed.RestoreOne());
    EXPECT_FALSE(closed.RestoreAll());
}

TEST(DialogForms, BuildOptionsOKTakesTheSelectedProjects) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    frmBuildOptions form;
    form.SetProjectNames({"OrdersUI", "OrdersServer", "OrdersLogic"});
    form.SetProjectTypes({0, 1, 2});
    DriveModal(
        "Build Options", "frmBuildOptions", [&] { form.Show(); },
        [&](QDialog& dialog) {
            EXPECT_EQ(RowOf(dialog), QDialogButtonBox::Ok | QDialogButtonBox::Help);
            Press(dialog, QDialogButtonBox::Ok);
        });
    EXPECT_EQ(form.AppArchitecture(), "1");
    EXPECT_EQ(form.L1ProjectName(), "OrdersUI");
}

TEST(DialogForms, ErrorDialogsCloseByOK) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    frmErrorDisplayUtil report(vb::Error(13, "Type mismatch", "Engine.Build->qelProperty.Value"));
    DriveModal(
        frmErrorDisplayUtil::kCaption, "frmErrorDisplayUtil", [&] { report.ShowWidget(); },
        [](QDialog& dialog) {
            EXPECT_EQ(RowOf(dialog), QDialogButtonBox::Ok);
            Press(dialog, QDialogButtonBox::Ok);
        });
    frmErrorDetails details;
    details.ErrReference(13, "Engine.Build->qelProperty.Value");
    DriveModal(
        frmErrorDetails::kCaption, "frmErrorDetails", [&] { details.ShowWidget(); },
        [](QDialog& dialog) { Press(dialog, QDialogButtonBox::Ok); });
}

// A window as a person first sees it: its title whole, its wrapped text whole, no list cut at the side.
void ExpectFitsItsText(QWidget& window) {
    EXPECT_GE(window.width(), ui::TitleBarWidth(window)) << window.windowTitle().toStdString();
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
        }
    }
    for (QListWidget* list : window.findChildren<QListWidget*>()) {
        for (int row = 0; row < list->count(); ++row)
            EXPECT_LE(list->visualItemRect(list->item(row)).right(), list->viewport()->width()) << row;
    }
    for (QTreeWidget* tree : window.findChildren<QTreeWidget*>()) {
        EXPECT_LE(tree->header()->length(), tree->viewport()->width());
        for (int column = 0; column < tree->columnCount(); ++column) {
            EXPECT_GE(tree->columnWidth(column), tree->header()->sectionSizeHint(column)) << column;
            for (int row = 0; row < tree->topLevelItemCount(); ++row) {
                const QString text = tree->topLevelItem(row)->text(column);
                EXPECT_LT(tree->fontMetrics().horizontalAdvance(text), tree->columnWidth(column))
                    << text.toStdString();
            }
        }
    }
}

// Each opened offscreen as a person sees it first, with the focus on the control a person starts with.
TEST(DialogForms, TheGenerationDialogsFitTheirTitleAndTextAndStartInTheirFirstControl) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    frmGenWarnings warnings;
    warnings.SetGenerationWarnings(
        {"The Order object's referenced business object, Customer, has not been selected for generation.  "
         "This may result in errors.",
         "The OrderLine object's parent (container) business object, Order, has not been selected for "
         "generation.  This may result in errors.",
         "The project OrdersServer will hold 401 modules, more than the about 400 that VB loads in one "
         "project.  Build the business objects in several applications."});
    frmDuplicateComponent duplicate;
    duplicate.SetComponentName("frmOrderLineDetail");
    frmBuildOptions options;
    options.SetProjectNames({"OrdersUI"});
    options.SetProjectTypes({0});
    const struct {
        const char* title;
        const char* picture;
        std::function<void()> show;
        const char* focus;
        QDialogButtonBox::StandardButton answer;
    } cases[] = {
        {"Generation Warnings", "frmGenWarnings-long", [&] { warnings.Show(); }, "lstvwWarnings",
         QDialogButtonBox::Cancel},
        {"Duplicate Component Found!", "frmDuplicateComponent-long", [&] { duplicate.Show(); }, "optRestore",
         QDialogButtonBox::Ok},
        {"Build Options", "frmBuildOptions-fit", [&] { options.Show(); }, "opt1Tier", QDialogButtonBox::Ok},
        {"VB Ostrel", "generation-finished", [] { ui::MsgBox("Generation finished!"); }, "",
         QDialogButtonBox::Ok},
        {"VB Ostrel", "unloadable-module",
         [] {
             const ModuleLimitBreach kept = {
                 "procedure Sub Post: 70123 bytes of code, more than the 65535 VB compiles in one procedure; "
                 "of these, code kept between edit points: 66020 bytes in \"Post - Pre\"",
                 ModuleLimit::procedure, true, false};
             ui::MsgBox(UnloadableModule("OrdersServer", "OrderPersist", "Order", {kept}).Description(),
                        ui::vbOKOnly | ui::vbCritical);
         },
         "", QDialogButtonBox::Ok},
    };
    for (const auto& c : cases) {
        DriveModal(c.title, c.picture, c.show, [&](QDialog& dialog) {
            ExpectFitsItsText(dialog);
            dialog.activateWindow();
            QApplication::processEvents();
            ASSERT_NE(QApplication::focusWidget(), nullptr) << c.title;
            EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focus) << c.title;
            Press(dialog, c.answer);
        });
    }
}

TEST(DialogForms, ConstructionMonitorOKClosesIt) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    frmConstructionMonitor monitor;
    monitor.Show();
    monitor.BeginConstruction("Orders", "Customer", "CustomerPersist", "OrdersServer");
    monitor.EndConstruction("CustomerPersist", 412);
    monitor.BeginConstruction("Orders", "OrderLine", "frmOrderLineSearch", "OrderEntryUserInterface");
    QWidget* window = testing_support::ShownTopLevel("Building Application");
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    ExpectFitsItsText(*window);
    testing_support::SavePicture(*window, "frmConstructionMonitor");
    auto* row = window->findChild<QDialogButtonBox*>();
    ASSERT_NE(row, nullptr);
    row->button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(monitor.IsLoaded());
    EXPECT_EQ(testing_support::ShownTopLevel("Building Application"), nullptr);
}

// The progress window, moved against the screen's right edge, stays within the screen as its rows widen it.
TEST(DialogForms, TheConstructionMonitorStaysOnTheScreenAsItGrows) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    frmConstructionMonitor monitor;
    monitor.Show();
    QWidget* window = testing_support::ShownTopLevel("Building Application");
    ASSERT_NE(window, nullptr);
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_EQ(screen.size(), QSize(1600, 900));
    window->move(screen.right() + 1 - window->frameGeometry().width(), screen.top());
    for (const std::string& name :
         std::vector<std::string>{"OrderLine", "OrderLineWithAVeryLongNameIndeed", std::string(60, 'N')}) {
        monitor.BeginConstruction("Orders", name, "frm" + name + "Detail", "OrdersUserInterface");
        QApplication::processEvents();
        EXPECT_TRUE(screen.contains(window->frameGeometry())) << name;
    }
    testing_support::SavePicture(*window, "frmConstructionMonitor-widened");
    monitor.cmdOK_Click();
}

// A model whose names cannot become VB code: Generate shows why and leaves the dialog open, nothing built.
TEST(DialogForms, GenerateCodeRefusesWhatCannotBecomeVbCodeAndStaysOpen) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    auto application = std::make_shared<qelApplication>();
    application->SetName("Sales");
    application->SetL1ProjectName("SalesUI");
    application->SetL2ProjectName("SalesBusiness");
    application->SetL3ProjectName("SalesData");
    const auto order = NewBusinessObject("Select", "Orders");
    auto key = std::make_shared<qelBusObjProperty>();
    key->SetName("Order ID");
    key->SetDataType("Long");
    key->SetIsKey(true);
    key->Field()->SetIsPrimaryKey(true);
    order->Properties()->Add(key);
    order->Table()->Fields()->Add(key->Field(), "ID");
    application->BusinessObjects()->Add(order, order->Name());

    bool built = false;
    frmCodeGeneration form([&built]() -> std::shared_ptr<BuildEngine> {
        built = true;
        return nullptr;
    });
    form.SetApplication(application);
    form.Show();
    QWidget* window = testing_support::ShownTopLevel("Generate Code");
    ASSERT_NE(window, nullptr);
    QPushButton* generate = nullptr;
    for (auto* button : window->findChildren<QPushButton*>()) {
        if (button->text() == "&Generate")
            generate = button;
    }
    ASSERT_NE(generate, nullptr);
    DriveModal(
        "VB Ostrel", "frmCodeGeneration-Refused", [&] { generate->click(); },
        [](QDialog& box) {
            EXPECT_EQ(static_cast<QMessageBox&>(box).text().toStdString(),
                      "These names and values cannot become VB code.  Generation aborted!\n"
                      "Business object \"Select\": \"Select\" is a word VB reserves!\n"
                      "Property \"Select.Order ID\": A name can hold only letters, digits and \"_\"!");
            static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
        });
    EXPECT_FALSE(built);
    EXPECT_TRUE(window->isVisible());
    testing_support::SavePicture(*window, "frmCodeGeneration-AfterRefusal");
    form.cmdCancel_Click();
}

}  // namespace
}  // namespace core
