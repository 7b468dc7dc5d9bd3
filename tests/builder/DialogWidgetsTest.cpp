// The four dialogs on the screen (offscreen): a person types into the real widgets and presses the real
// buttons; each dialog is saved as a picture.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <string>
#include <vector>

#include "builder/frmBusObjBuilder.h"
#include "builder/frmMethodBuilder.h"
#include "builder/frmPropertyBuilder.h"
#include "builder/frmSelectVirtProperty.h"
#include "core/qelApplication.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "platform/ui/QtInteraction.h"
#include "tests/builder/DialogTestModel.h"
#include "tests/builder/ModalDriver.h"
#include "tests/host/QtTestApplication.h"

namespace builder {
namespace {

using builder_test::Child;
using builder_test::SaveScreenshot;
using builder_test::WhenShown;

class DialogWidgets : public ::testing::Test {
  protected:
    DialogWidgets() { ui::EnsureApplication(); }

    // The property dialog on Order's properties; `added` gets what OK adds.
    void ForOrder(frmPropertyBuilder& form, std::shared_ptr<core::qelBusObjProperty>& added) {
        form.SetProperties(model.order->Properties());
        form.SetBusObj(model.order);
        form.SetApplication(model.application);
        form.OnPropertyAdded(
            [&added](const std::shared_ptr<core::qelBusObjProperty>& property) { added = property; });
    }

    builder_test::SalesModel model;
    ui::QtInteraction interaction;
    ui::ScopedInteraction installed{interaction};
};

void ClickTab(QTabWidget& tabs, int index) {
    QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(index).center());
}

TEST_F(DialogWidgets, BusinessObjectDialog) {
    frmBusObjBuilder form;
    form.SetApplication(model.application);
    std::vector<std::string> added;
    form.OnBusinessObjectAdded([&added](const std::shared_ptr<core::qelBusinessObject>& businessObject) {
        added.push_back(businessObject->Name());
    });
    WhenShown("frmBusObjBuilder", [](QWidget& dialog) {
        auto& ok = Child<QPushButton>(dialog, "cmdOK");
        EXPECT_FALSE(ok.isEnabled());
        QTest::keyClicks(&Child<QLineEdit>(dialog, "txtName"), "Ship Via");
        EXPECT_TRUE(ok.isEnabled());
        EXPECT_TRUE(ok.isDefault());
        EXPECT_EQ(dialog.windowTitle(), "VB Ostrel");
        SaveScreenshot(dialog, "frmBusObjBuilder.png");
        ok.click();
    });
    form.Show();
    EXPECT_EQ(added, std::vector<std::string>{"Ship_Via"});
    EXPECT_FALSE(form.IsVisible());
}

// A name the build would refuse: the check's rule in the refusal box, then the dialog open with the name
// selected to be typed over.
TEST_F(DialogWidgets, BusinessObjectDialogRefusesAReservedWordAndSelectsIt) {
    frmBusObjBuilder form;
    form.SetApplication(model.application);
    form.OnBusinessObjectAdded([](const std::shared_ptr<core::qelBusinessObject>&) { ADD_FAILURE(); });
    WhenShown("frmBusObjBuilder", [](QWidget& dialog) {
        auto& name = Child<QLineEdit>(dialog, "txtName");
        QTest::keyClicks(&name, "Type");
        WhenShown("QMessageBox", [](QWidget& box) {
            EXPECT_EQ(static_cast<QMessageBox&>(box).text(),
                      "Business object \"Type\": \"Type\" is a word VB reserves!");
            EXPECT_EQ(box.windowTitle(), "Error");
            static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
        });
        Child<QPushButton>(dialog, "cmdOK").click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), &name);
        EXPECT_EQ(name.selectedText(), "Type");
        SaveScreenshot(dialog, "frmBusObjBuilder-Refused.png");
        Child<QPushButton>(dialog, "cmdCancel").click();
    });
    form.Show();
    EXPECT_EQ(model.application->BusinessObjects()->Count(), 3);
}

TEST_F(DialogWidgets, MethodDialog) {
    frmMethodBuilder form;
    form.SetMethods(model.order->Methods());
    form.SetBusObjName("Order");
    std::shared_ptr<core::qelBusObjMethod> added;
    form.OnMethodAdded([&added](const std::shared_ptr<core::qelBusObjMethod>& method) { added = method; });
    WhenShown("frmMethodBuilder", [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Method Builder - Order Business Object");
        auto& type = Child<QComboBox>(dialog, "cmbType");
        auto& returnType = Child<QComboBox>(dialog, "cmbReturnDataType");
        auto& spName = Child<QLineEdit>(dialog, "txtSPName");
        QTest::keyClicks(&Child<QLineEdit>(dialog, "txtName"), "Ship Order");
        // A Sub returns nothing: a return type chosen for it goes back to "None" when the box is left.
        returnType.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&returnType, Qt::Key_Down);
        EXPECT_EQ(returnType.currentText(), "Boolean");
        spName.setFocus(Qt::TabFocusReason);
        EXPECT_EQ(returnType.currentText(), "None");
        QTest::keyClick(&type, Qt::Key_Up);
        EXPECT_EQ(type.currentText(), "Function");
        QTest::keyClick(&returnType, Qt::Key_Down);
        QTest::keyClick(&returnType, Qt::Key_Down);
        QTest::keyClicks(&spName, "spShipOrder");
        EXPECT_TRUE(Child<QCheckBox>(dialog, "chkIsStoredProcedure").isChecked());
        SaveScreenshot(dialog, "frmMethodBuilder.png");
        Child<QPushButton>(dialog, "cmdOK").click();
    });
    form.Show();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Name(), "Ship_Order");
    EXPECT_EQ(added->MethodType(), "Function");
    EXPECT_EQ(added->ReturnDataType(), "Currency");
    EXPECT_EQ(added->StoredProcedureName(), "spShipOrder");
    EXPECT_FALSE(form.IsLoaded());
}

TEST_F(DialogWidgets, PropertyDialogOnBothTabs) {
    frmPropertyBuilder form;
    std::shared_ptr<core::qelBusObjProperty> added;
    ForOrder(form, added);
    WhenShown("frmPropertyBuilder", [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Property Builder - Order Business Object");
        auto& length = Child<QLineEdit>(dialog, "txtLength");
        auto& key = Child<QComboBox>(dialog, "cmbPrimaryKey");
        auto& name = Child<QLineEdit>(dialog, "txtName");
        auto& label = Child<QLineEdit>(dialog, "txtLabel");
        QTest::keyClicks(&name, "Unit Price");
        EXPECT_EQ(label.text(), "Unit Price:");
        // A label typed after the name stays when the name is tabbed through unchanged.
        label.setFocus(Qt::TabFocusReason);
        label.selectAll();
        QTest::keyClicks(&label, "Price each:");
        name.setFocus(Qt::TabFocusReason);
        auto& dataType = Child<QComboBox>(dialog, "cmbDataType");
        dataType.setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(&dataType, Qt::Key_Up);
        EXPECT_EQ(dataType.currentText(), "Long");
        QTest::keyClicks(&length, "12a");
        key.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&key, Qt::Key_Down);
        length.setFocus(Qt::TabFocusReason);
        EXPECT_EQ(Child<QComboBox>(dialog, "cmbMandatory").currentText(), "Yes");
        EXPECT_FALSE(Child<QComboBox>(dialog, "cmbMandatory").isEnabled());
        SaveScreenshot(dialog, "frmPropertyBuilder-General.png");

        // A length that is no whole number: the box, then the focus back in the length.
        WhenShown("QMessageBox", [](QWidget& box) {
            EXPECT_EQ(static_cast<QMessageBox&>(box).text(), "The length must be a whole number!");
            static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
        });
        Child<QPushButton>(dialog, "cmdOK").click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), &length);
        length.clear();
        QTest::keyClicks(&length, "4");

        auto& tabs = Child<QTabWidget>(dialog, "SSTab1");
        ClickTab(tabs, 1);
        const auto options = dialog.findChildren<QRadioButton*>("optPV");
        ASSERT_EQ(options.size(), 4);
        EXPECT_FALSE(options[2]->isVisible());
        EXPECT_TRUE(options[3]->isVisible());
        options[1]->click();
        auto& entry = Child<QLineEdit>(dialog, "txtPerVal");
        const auto moves = dialog.findChildren<QPushButton*>("cmdMoveFields");
        for (const char* value : {"5", "1e1", "20"}) {
            QTest::keyClicks(&entry, value);
            moves[0]->click();
        }
        auto& list = Child<QListWidget>(dialog, "lstPermittedValues");
        EXPECT_EQ(list.count(), 3);
        EXPECT_EQ(list.item(1)->text(), "10");
        EXPECT_EQ(list.currentRow(), 2);
        SaveScreenshot(dialog, "frmPropertyBuilder-PermittedValues.png");
        Child<QPushButton>(dialog, "cmdOK").click();
    });
    form.Show();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Name(), "Unit_Price");
    EXPECT_EQ(added->Label(), "Price each:");
    EXPECT_EQ(added->DataType(), "Long");
    EXPECT_EQ(added->Length(), 4);
    EXPECT_TRUE(added->IsKey());
    EXPECT_TRUE(added->IsPVList());
    EXPECT_EQ(std::vector<std::string>(added->PermittedValues()->begin(), added->PermittedValues()->end()),
              (std::vector<std::string>{"5", "10", "20"}));
}

// A range entered for a Long, then the type made Boolean: OK refuses, names the property and stays open.
TEST_F(DialogWidgets, PropertyDialogRefusesAtOKABoundOfAnotherType) {
    frmPropertyBuilder form;
    std::shared_ptr<core::qelBusObjProperty> added;
    ForOrder(form, added);
    WhenShown("frmPropertyBuilder", [](QWidget& dialog) {
        QTest::keyClicks(&Child<QLineEdit>(dialog, "txtName"), "Rating");
        auto& dataType = Child<QComboBox>(dialog, "cmbDataType");
        dataType.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&dataType, Qt::Key_Home);
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(&dataType, Qt::Key_Down);
        ASSERT_EQ(dataType.currentText(), "Long");
        QTest::keyClicks(&Child<QLineEdit>(dialog, "txtLength"), "4");
        auto& tabs = Child<QTabWidget>(dialog, "SSTab1");
        ClickTab(tabs, 1);
        dialog.findChildren<QRadioButton*>("optPV")[3]->click();
        QTest::keyClicks(&Child<QLineEdit>(dialog, "txtPerVal"), "1");
        QTest::keyClicks(&Child<QLineEdit>(dialog, "txtUpperPV"), "5");
        ClickTab(tabs, 0);
        dataType.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&dataType, Qt::Key_Home);
        ASSERT_EQ(dataType.currentText(), "Boolean");

        WhenShown("QMessageBox", [](QWidget& box) {
            EXPECT_EQ(static_cast<QMessageBox&>(box).text(),
                      "This is not a valid permitted value for Rating.");
            static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
        });
        Child<QPushButton>(dialog, "cmdOK").click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), &Child<QLineEdit>(dialog, "txtPerVal"));
        SaveScreenshot(dialog, "frmPropertyBuilder-BoundRefused.png");

        ClickTab(tabs, 0);
        dataType.setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(&dataType, Qt::Key_Down);
        Child<QPushButton>(dialog, "cmdOK").click();
    });
    form.Show();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->DataType(), "Long");
    EXPECT_EQ(added->LowerBound(), "1");
    EXPECT_EQ(added->UpperBound(), "5");
}

TEST_F(DialogWidgets, ForeignKeyLookupOnThePropertyDialog) {
    frmPropertyBuilder form;
    form.SetProperties(model.order->Properties());
    form.SetBusObj(model.order);
    form.SetApplication(model.application);
    int updates = 0;
    form.OnPropertyUpdated([&updates](const std::shared_ptr<core::qelBusObjProperty>&) { ++updates; });
    model.Property(model.order, "CustomerID")->SetIsPVFKey(true);  // its displayed property deleted
    form.LoadExistingProperty("Order.Properties.CustomerID");
    WhenShown("frmPropertyBuilder", [](QWidget& dialog) {
        ClickTab(Child<QTabWidget>(dialog, "SSTab1"), 1);
        const auto options = dialog.findChildren<QRadioButton*>("optPV");
        ASSERT_TRUE(options[2]->isChecked());
        auto& displayed = Child<QComboBox>(dialog, "cmbPV");
        EXPECT_EQ(displayed.currentText().toStdString(), "");  // none, as the model holds
        SaveScreenshot(dialog, "frmPropertyBuilder-NoDisplayedProperty.png");
        QTest::keyClick(&displayed, Qt::Key_Down);
        QTest::keyClick(&displayed, Qt::Key_Down);
        EXPECT_EQ(displayed.currentText(), "Name");
        SaveScreenshot(dialog, "frmPropertyBuilder-ForeignKeyLookup.png");
        Child<QPushButton>(dialog, "cmdOK").click();
    });
    form.Show();
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(model.Property(model.order, "CustomerID")->PVFKeyDisplayedProp(),
              model.Property(model.customer, "Name"));
}

TEST_F(DialogWidgets, VirtualPropertyPicker) {
    frmPropertyBuilder propertyForm;
    std::vector<std::string> added;
    propertyForm.OnPropertyAdded([&added](const std::shared_ptr<core::qelBusObjProperty>& property) {
        added.push_back(property->Name());
    });
    frmSelectVirtProperty picker(propertyForm);
    picker.SetBusinessObject(model.order);
    picker.SetApplication(model.application);
    WhenShown("frmSelectVirtProperty", [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Select Virtual Properties");
        auto& candidates = Child<QTreeWidget>(dialog, "lstCandidates");
        ASSERT_EQ(candidates.topLevelItemCount(), 2);
        candidates.topLevelItem(0)->setSelected(true);
        candidates.topLevelItem(1)->setSelected(true);
        SaveScreenshot(dialog, "frmSelectVirtProperty.png");
        for (int i = 0; i < 2; ++i) {
            WhenShown("frmPropertyBuilder",
                      [](QWidget& property) { Child<QPushButton>(property, "cmdOK").click(); });
        }
        Child<QPushButton>(dialog, "cmdNext").click();
    });
    picker.Show();
    EXPECT_EQ(added, (std::vector<std::string>{"Customer_Name", "Customer_Region"}));
}

}  // namespace
}  // namespace builder
