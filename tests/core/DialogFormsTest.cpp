// The add-in's dialogs as a person sees them: each opened offscreen, pictured, and answered through its
// button row.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

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
#include "tests/support/DialogPictures.h"

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

TEST(DialogForms, ConstructionMonitorOKClosesIt) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    frmConstructionMonitor monitor;
    monitor.Show();
    monitor.BeginConstruction("Orders", "Customer", "CustomerPersist", "OrdersServer");
    monitor.EndConstruction("CustomerPersist", 412);
    QWidget* window = testing_support::ShownTopLevel("Building Application");
    ASSERT_NE(window, nullptr);
    testing_support::SavePicture(*window, "frmConstructionMonitor");
    auto* row = window->findChild<QDialogButtonBox*>();
    ASSERT_NE(row, nullptr);
    row->button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(monitor.IsLoaded());
    EXPECT_EQ(testing_support::ShownTopLevel("Building Application"), nullptr);
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
