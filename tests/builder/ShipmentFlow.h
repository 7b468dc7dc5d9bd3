#pragma once
// File > Open, and the developer's way through the main window's real widgets to a new business object
// related to Order: Business Object > New "Shipment", the properties ShipmentID (Long, 4, key) and OrderID
// (Long, 4) through the property dialog, and a Reference relationship Shipment-Order matching OrderID through
// the relationship dialog and its picker. The window holds the sample application when it starts.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>
#include <tuple>

#include "tests/builder/ModalDriver.h"
#include "tests/support/NextModalWidget.h"

namespace builder_test {

// File > Open through the menu: the dialog's first row chosen and Open pressed; `look` sees the dialog
// first.
inline void OpenFirstApplication(QMainWindow& window, const std::function<void()>& settle,
                                 const std::function<void(QWidget&)>& look = {}) {
    testing_support::OnNextModalWidget([look](QWidget& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>("ApplicationListView");
        auto* open = dialog.findChild<QPushButton*>("cmdOK");
        list->setCurrentItem(list->topLevelItem(0));
        EXPECT_TRUE(open->isEnabled());
        if (look)
            look(dialog);
        open->click();
    });
    window.findChild<QAction*>("mnuFileOpen")->trigger();
    settle();
}

// Business Object > New, the name typed and OK pressed.
inline void NewBusinessObject(QMainWindow& window, const std::function<void()>& settle, const char* name) {
    WhenShown("frmBusObjBuilder", [name](QWidget& dialog) {
        QTest::keyClicks(&Child<QLineEdit>(dialog, "txtName"), name);
        Child<QPushButton>(dialog, "cmdOK").click();
    });
    window.findChild<QAction*>("mnuBusObjNew")->trigger();
    settle();
}

inline void EnterShipment(QMainWindow& window, const std::function<void()>& settle) {
    NewBusinessObject(window, settle, "Shipment");
    auto* tree = window.findChild<QTreeView*>("BusObjTreeView");
    ASSERT_EQ(tree->model()->rowCount(), 5);
    const QModelIndex shipment = tree->model()->index(4, 0);
    ASSERT_EQ(shipment.data().toString(), "Shipment");

    struct PropertyEntry {
        const char* name;
        bool key;
    };
    for (const PropertyEntry& entry : {PropertyEntry{"ShipmentID", true}, PropertyEntry{"OrderID", false}}) {
        tree->setCurrentIndex(shipment);
        WhenShown("frmPropertyBuilder", [entry](QWidget& dialog) {
            QTest::keyClicks(&Child<QLineEdit>(dialog, "txtName"), entry.name);
            auto& dataType = Child<QComboBox>(dialog, "cmbDataType");
            dataType.setFocus(Qt::TabFocusReason);
            while (dataType.currentText() != "Long" && dataType.currentIndex() > 0)
                QTest::keyClick(&dataType, Qt::Key_Up);
            ASSERT_EQ(dataType.currentText(), "Long");
            auto& length = Child<QLineEdit>(dialog, "txtLength");
            length.setFocus(Qt::TabFocusReason);
            length.clear();
            QTest::keyClicks(&length, "4");
            if (entry.key) {
                auto& key = Child<QComboBox>(dialog, "cmbPrimaryKey");
                key.setFocus(Qt::TabFocusReason);
                QTest::keyClick(&key, Qt::Key_Down);
                length.setFocus(Qt::TabFocusReason);
            }
            Child<QPushButton>(dialog, "cmdOK").click();
        });
        window.findChild<QAction*>("Property")->trigger();
        settle();
    }

    tree->setCurrentIndex(shipment);
    WhenShown("frmRelationshipBuilder", [](QWidget& dialog) {
        auto& all = Child<QListWidget>(dialog, "lstAllBusObjects");
        for (const char* name : {"Shipment", "Order"}) {
            all.setCurrentItem(all.findItems(name, Qt::MatchExactly).front());
            emit all.itemDoubleClicked(all.currentItem());
        }
        auto& tabs = Child<QTabWidget>(dialog, "SSTab1");
        for (const auto& [tab, box, text] :
             {std::tuple{1, "txtAssoc1Name", "ships"}, std::tuple{2, "txtAssoc2Name", "is shipped by"}}) {
            QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(tab).center());
            QTest::keyClicks(&Child<QLineEdit>(dialog, box), text);
        }
        QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(3).center());
        auto& matched = Child<QTreeWidget>(dialog, "MatchedListView");
        ASSERT_EQ(matched.topLevelItemCount(), 1);
        WhenShown("frmMatchPropertiesPopUp", [](QWidget& picker) {
            auto& properties = Child<QListWidget>(picker, "lstProperties");
            properties.setCurrentItem(properties.findItems("OrderID", Qt::MatchExactly).front());
            Child<QPushButton>(picker, "cmdOK").click();
        });
        matched.setCurrentItem(matched.topLevelItem(0));
        emit matched.itemDoubleClicked(matched.topLevelItem(0), 0);
        QApplication::processEvents();
        Child<QPushButton>(dialog, "cmdOK").click();
    });
    window.findChild<QAction*>("Relationship")->trigger();
    settle();
}

}  // namespace builder_test
