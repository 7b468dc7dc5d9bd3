// The relationship dialog and its two pickers on the screen (offscreen): a person chooses the business
// objects, describes both ends, matches the key and presses OK on the real widgets; every tab and both
// pickers are saved as pictures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
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

#include "builder/frmRelationshipBuilder.h"
#include "core/qelAssociation.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "platform/ui/QtInteraction.h"
#include "repository/ModelFiling.h"
#include "tests/builder/ModalDriver.h"
#include "tests/builder/ShopModel.h"
#include "tests/host/QtTestApplication.h"

namespace builder {
namespace {

using builder_test::Child;
using builder_test::SaveScreenshot;
using builder_test::WhenShown;

class RelationshipWidgets : public ::testing::Test {
  protected:
    RelationshipWidgets() {
        ui::EnsureApplication();
        form.SetApplication(shop.application);
        form.SetBusinessObject(shop.Object("Order"));
        form.OnRelationshipAdded([this](const std::shared_ptr<core::qelRelationship>& relationship) {
            repository::FileRelationship(*shop.application, relationship);
            return true;
        });
    }

    builder_test::Shop shop;
    ui::QtInteraction interaction;
    ui::ScopedInteraction installed{interaction};
    frmRelationshipBuilder form;
};

void ClickTab(QWidget& dialog, int index) {
    auto& tabs = Child<QTabWidget>(dialog, "SSTab1");
    QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(index).center());
    QApplication::processEvents();
}

void SelectName(QListWidget& list, const QString& name) {
    const auto found = list.findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    list.setCurrentItem(found.front());
}

void DoubleClick(QListWidget& list, const QString& name) {
    SelectName(list, name);
    emit list.itemDoubleClicked(list.currentItem());
}

TEST_F(RelationshipWidgets, APersonMakesAReferenceFromOrderToCustomer) {
    WhenShown("frmRelationshipBuilder", [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Relationship Builder - New Relationship");
        auto& all = Child<QListWidget>(dialog, "lstAllBusObjects");
        auto& first = Child<QLineEdit>(dialog, "txtBusObj1");
        EXPECT_TRUE(first.isReadOnly());
        EXPECT_TRUE(Child<QLineEdit>(dialog, "txtBusObj2").isReadOnly());
        SelectName(all, "Order");
        Child<QPushButton>(dialog, "cmdMoveFields0").click();
        DoubleClick(all, "Customer");
        EXPECT_EQ(first.text(), "Order");
        EXPECT_EQ(Child<QLineEdit>(dialog, "txtBusObj2").text(), "Customer");
        auto& tabs = Child<QTabWidget>(dialog, "SSTab1");
        EXPECT_EQ(tabs.tabText(1), "Order");
        EXPECT_EQ(tabs.tabText(2), "Customer");
        EXPECT_EQ(Child<QComboBox>(dialog, "cmbRelType").currentText(), "Reference");
        SaveScreenshot(dialog, "frmRelationshipBuilder-general.png");

        ClickTab(dialog, 1);
        EXPECT_TRUE(Child<QRadioButton>(dialog, "optA1One").isChecked());
        EXPECT_TRUE(Child<QRadioButton>(dialog, "optA1Sometimes").isChecked());
        Child<QRadioButton>(dialog, "optA1Always").click();
        QTest::keyClicks(&Child<QLineEdit>(dialog, "txtAssoc1Name"), "is placed by");
        SaveScreenshot(dialog, "frmRelationshipBuilder-first.png");

        ClickTab(dialog, 2);
        EXPECT_TRUE(Child<QRadioButton>(dialog, "optA2Many").isChecked());
        EXPECT_TRUE(Child<QRadioButton>(dialog, "optA2Always").isChecked());
        QTest::keyClicks(&Child<QLineEdit>(dialog, "txtAssoc2Name"), "places");
        SaveScreenshot(dialog, "frmRelationshipBuilder-second.png");

        ClickTab(dialog, 3);
        auto& matched = Child<QTreeWidget>(dialog, "MatchedListView");
        ASSERT_EQ(matched.topLevelItemCount(), 1);
        EXPECT_EQ(matched.headerItem()->text(0), "Customer");
        EXPECT_EQ(matched.headerItem()->text(1), "Order");
        WhenShown("frmMatchPropertiesPopUp", [](QWidget& picker) {
            EXPECT_EQ(picker.windowTitle(), "Match Property");
            auto& properties = Child<QListWidget>(picker, "lstProperties");
            EXPECT_EQ(properties.count(), 2);
            SelectName(properties, "CustomerID");
            SaveScreenshot(picker, "frmMatchPropertiesPopUp.png");
            Child<QPushButton>(picker, "cmdOK").click();
        });
        QTreeWidgetItem* row = matched.topLevelItem(0);
        matched.setCurrentItem(row);
        emit matched.itemDoubleClicked(row, 0);
        QApplication::processEvents();
        ASSERT_EQ(matched.topLevelItemCount(), 1);
        EXPECT_EQ(matched.topLevelItem(0)->text(1), "CustomerID");
        SaveScreenshot(dialog, "frmRelationshipBuilder-keys.png");
        Child<QPushButton>(dialog, "cmdOK").click();
    });
    form.Show();
    EXPECT_FALSE(form.IsLoaded());
    ASSERT_EQ(shop.application->Relationships()->Count(), 1);
    const auto& relationship = shop.application->Relationships()->Item(1);
    EXPECT_EQ(relationship->Name(), "Relationship1");
    EXPECT_EQ(relationship->Associations()->Item(1)->Description(), "is placed by");
    EXPECT_FALSE(relationship->Associations()->Item(1)->IsOptional());
    EXPECT_TRUE(shop.Property("Order", "CustomerID")->IsForeignProperty());
}

TEST_F(RelationshipWidgets, AOneToOneRelationshipAsksForTheSupplier) {
    WhenShown("frmRelationshipBuilder", [](QWidget& dialog) {
        auto& all = Child<QListWidget>(dialog, "lstAllBusObjects");
        DoubleClick(all, "Order");
        DoubleClick(all, "Customer");
        ClickTab(dialog, 2);
        Child<QRadioButton>(dialog, "optA2One").click();
        EXPECT_EQ(Child<QComboBox>(dialog, "cmbRelType").currentText(), "Subtype");
        EXPECT_FALSE(Child<QGroupBox>(dialog, "Frame7").isHidden());
        WhenShown("frmSuppBusObj", [](QWidget& picker) {
            EXPECT_EQ(picker.windowTitle(), "VB Ostrel");
            auto& names = Child<QListWidget>(picker, "lstBusObj");
            EXPECT_EQ(names.count(), 2);
            SelectName(names, "Customer");
            SaveScreenshot(picker, "frmSuppBusObj.png");
            Child<QPushButton>(picker, "cmdOK").click();
        });
        ClickTab(dialog, 3);
        auto& matched = Child<QTreeWidget>(dialog, "MatchedListView");
        ASSERT_EQ(matched.topLevelItemCount(), 1);
        EXPECT_EQ(matched.topLevelItem(0)->text(0), "CustomerID");
        EXPECT_EQ(matched.headerItem()->text(0), "Customer");
        // OK with the key unmatched is refused in an exclamation box; the dialog stays.
        WhenShown("QMessageBox", [](QWidget& box) {
            auto* message = qobject_cast<QMessageBox*>(&box);
            ASSERT_NE(message, nullptr);
            EXPECT_EQ(message->icon(), QMessageBox::Warning);
            SaveScreenshot(box, "frmRelationshipBuilder-refusal.png");
            message->button(QMessageBox::Ok)->click();
        });
        Child<QPushButton>(dialog, "cmdOK").click();
        QApplication::processEvents();
        EXPECT_TRUE(dialog.isVisible());
        Child<QPushButton>(dialog, "cmdCancel").click();
    });
    form.Show();
    EXPECT_EQ(shop.application->Relationships()->Count(), 0);
}

TEST_F(RelationshipWidgets, AnEditedRelationshipShowsItsStoredShape) {
    auto relationship = std::make_shared<core::qelRelationship>();
    relationship->SetName("Relationship1");
    relationship->SetRelType("Identifying");
    const auto order = shop.Object("OrderLine");
    const auto parent = shop.Object("Order");
    for (int i = 0; i < 2; ++i) {
        auto association = std::make_shared<core::qelAssociation>();
        association->SetSourceBusObj(i == 0 ? order : parent);
        association->SetTargetBusObj(i == 0 ? parent : order);
        association->SetCardinality(i == 0 ? "One" : "Many");
        association->SetDescription(i == 0 ? "is part of" : "contains");
        association->SetRelationship(relationship);
        relationship->Associations()->Add(
            association, (i == 0 ? "OrderLine" : "Order") + std::string(".Relationships.Relationship1"));
    }
    const auto foreign = shop.Property("OrderLine", "OrderID");
    foreign->SetForeignKeyField(shop.Property("Order", "OrderID")->Field());
    relationship->Associations()->Item(1)->SourceForeignProperties()->Add(foreign);
    shop.application->Relationships()->Add(relationship, "Relationship1");
    form.SetRelationships(shop.application->Relationships());
    form.LoadExistingRelationship("Relationship1");
    WhenShown("frmRelationshipBuilder", [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Relationship Builder - OrderLine and Order");
        EXPECT_EQ(Child<QGroupBox>(dialog, "Frame2").title(), "Related Business Objects");
        EXPECT_TRUE(Child<QListWidget>(dialog, "lstAllBusObjects").isHidden());
        EXPECT_TRUE(Child<QPushButton>(dialog, "cmdMoveFields0").isHidden());
        SaveScreenshot(dialog, "frmRelationshipBuilder-edit.png");
        ClickTab(dialog, 1);
        EXPECT_FALSE(Child<QRadioButton>(dialog, "optA1Many").isEnabled());
        ClickTab(dialog, 3);
        auto& matched = Child<QTreeWidget>(dialog, "MatchedListView");
        ASSERT_EQ(matched.topLevelItemCount(), 1);
        EXPECT_EQ(matched.topLevelItem(0)->text(1), "OrderID");
        SaveScreenshot(dialog, "frmRelationshipBuilder-edit-keys.png");
        Child<QPushButton>(dialog, "cmdCancel").click();
    });
    form.Show();
}

}  // namespace
}  // namespace builder
