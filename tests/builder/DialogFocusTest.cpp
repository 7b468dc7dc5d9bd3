// Each builder dialog as a person meets it: where the focus is when it opens (or a tab is chosen), where
// Tab takes it from there, and the entries of its lists in order; each saved as a picture.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "builder/RelationshipPickers.h"
#include "builder/frmAppInfo.h"
#include "builder/frmAppOpen.h"
#include "builder/frmBusObjBuilder.h"
#include "builder/frmMethodBuilder.h"
#include "builder/frmPropertyBuilder.h"
#include "builder/frmRelationshipBuilder.h"
#include "builder/frmSelectVirtProperty.h"
#include "builder/frmToolOptions.h"
#include "core/qelApplication.h"
#include "core/qelBusinessObject.h"
#include "platform/ui/QtInteraction.h"
#include "tests/builder/DialogTestModel.h"
#include "tests/builder/ModalDriver.h"
#include "tests/host/QtTestApplication.h"
#include "tests/support/FocusChain.h"

namespace builder {
namespace {

using builder_test::Child;
using builder_test::SalesModel;
using Names = std::vector<std::string>;

struct FocusCase {
    const char* picture;
    const char* dialog;
    std::function<void(const SalesModel&)> show;
    std::function<void(QWidget&)> prepare;  // what a person does before the chain is read, or nothing
    Names chain;                            // the focus first, then after each Tab
    std::map<std::string, Names> lists;     // a combo box's entries in order
};

void ShowRelationship(const SalesModel& model) {
    frmRelationshipBuilder form;
    form.SetApplication(model.application);
    form.SetBusinessObject(model.order);
    form.Show();
}

// Order and Customer chosen, then the tab of the first association.
void DescribeOrderToCustomer(QWidget& dialog) {
    auto& all = Child<QListWidget>(dialog, "lstAllBusObjects");
    for (const char* name : {"Order", "Customer"}) {
        all.setCurrentItem(all.findItems(name, Qt::MatchExactly).value(0));
        emit all.itemDoubleClicked(all.currentItem());
    }
    Child<QTabWidget>(dialog, "SSTab1").setCurrentIndex(1);
}

std::vector<FocusCase> Cases() {
    return {
        {"focus-frmBusObjBuilder",
         "frmBusObjBuilder",
         [](const SalesModel&) { frmBusObjBuilder().Show(); },
         nullptr,
         {"txtName", "cmdCancel", "cmdHelp", "txtName"},
         {}},
        {"focus-frmMethodBuilder",
         "frmMethodBuilder",
         [](const SalesModel& model) {
             frmMethodBuilder form;
             form.SetMethods(model.order->Methods());
             form.SetBusObjName("Order");
             form.Show();
         },
         nullptr,
         {"txtName", "cmbType", "cmbReturnDataType", "chkIsStoredProcedure", "txtSPName", "cmdCancel",
          "cmdHelp", "txtName"},
         {{"cmbType", {"Function", "Sub"}},
          {"cmbReturnDataType",
           {"None", "Boolean", "Currency", "Date", "Double", "Integer", "Long", "Object", "Single", "String",
            "Variant"}}}},
        {"focus-frmPropertyBuilder",
         "frmPropertyBuilder",
         [](const SalesModel& model) {
             frmPropertyBuilder form;
             form.SetProperties(model.order->Properties());
             form.SetBusObj(model.order);
             form.SetApplication(model.application);
             form.Show();
         },
         nullptr,
         {"txtName", "cmbAccess", "txtLabel", "cmbPrimaryKey", "cmbMandatory", "cmbUnique", "cmbControlType",
          "cmbDataType", "txtLength", "cmbForeignKey", "cmdCancel", "cmdHelp", "qt_tabwidget_tabbar",
          "txtName"},
         {{"cmbDataType",
           {"Boolean", "Byte", "Currency", "Date", "Double", "Integer", "Long", "Memo", "OLE Object",
            "Single", "String"}},
          {"cmbAccess", {"Read/Write", "Read Only"}},
          {"cmbControlType", {"CheckBox", "ComboBox", "ListBox", "OptionButton", "TextBox"}}}},
        {"focus-frmRelationshipBuilder",
         "frmRelationshipBuilder",
         ShowRelationship,
         nullptr,
         {"cmbRelType", "lstAllBusObjects", "cmdMoveFields0", "cmdMoveFields1", "cmdMoveFields2",
          "cmdMoveFields3", "cmdOK", "cmdCancel", "cmdHelp", "qt_tabwidget_tabbar", "cmbRelType"},
         {{"cmbRelType", {"Identifying", "Reference", "Subtype"}}}},
        {"focus-frmRelationshipBuilder-first",
         "frmRelationshipBuilder",
         ShowRelationship,
         DescribeOrderToCustomer,
         {"txtAssoc1Name", "optA1One", "cmdOK", "cmdCancel", "cmdHelp", "qt_tabwidget_tabbar", "optA1Always",
          "txtAssoc1Name"},
         {}},
        {"focus-frmMatchPropertiesPopUp",
         "frmMatchPropertiesPopUp",
         [](const SalesModel& model) {
             frmMatchPropertiesPopUp form;
             form.SetMatchedProperty(model.Property(model.customer, "CustomerID"));
             form.SetPotentialMatches({model.Property(model.order, "CustomerID")});
             form.Show();
         },
         nullptr,
         {"lstProperties", "cmdOK", "cmdCancel", "lstProperties"},
         {}},
        {"focus-frmSelectVirtProperty",
         "frmSelectVirtProperty",
         [](const SalesModel& model) {
             frmPropertyBuilder propertyForm;
             frmSelectVirtProperty form(propertyForm);
             form.SetBusinessObject(model.order);
             form.SetApplication(model.application);
             form.Show();
         },
         nullptr,
         {"lstCandidates", "cmdNext", "cmdCancel", "cmdHelp", "lstCandidates"},
         {}},
        {"focus-frmAppInfo",
         "frmAppInfo",
         [](const SalesModel& model) {
             frmAppInfo form;
             form.SetRefToAppObject(model.application);
             form.Show();
         },
         nullptr,
         {"txtName", "txtDescription", "cmbArchitecture", "cmbDBFormat", "txtDSNorDatabase", "cmdBrowse",
          "cmdOK", "cmdCancel", "cmdHelp", "txtName"},
         {{"cmbArchitecture", {"Single Project", "Two Projects", "Three Projects"}},
          {"cmbDBFormat", {"Local Access .mdb", "ODBC"}}}},
        {"focus-frmAppOpen",
         "frmAppOpen",
         [](const SalesModel& model) {
             repository::StoredApplications stored;
             stored.Add(model.application, "K1");
             frmAppOpen form([] {});
             form.AddApplications(stored);
             ui::CurrentInteraction().ShowModal(form);
         },
         nullptr,
         {"ApplicationListView", "cmdOK", "cmdCancel", "cmdHelp", "ApplicationListView"},
         {}},
        {"focus-frmToolOptions",
         "frmToolOptions",
         [](const SalesModel&) {
             frmToolOptions form;
             form.Show();
         },
         nullptr,
         {"txtFormTemplatePath", "txtAppDatabasePath", "cmdOK", "cmdCancel", "txtFormTemplatePath"},
         {}},
    };
}

Names Entries(const QComboBox& combo) {
    Names entries;
    for (int i = 0; i < combo.count(); ++i)
        entries.push_back(combo.itemText(i).toStdString());
    return entries;
}

TEST(DialogFocus, FocusStartsInTheFirstFieldTabFollowsTheLayoutAndListsKeepTheirOrder) {
    ui::EnsureApplication();
    ui::QtInteraction interaction;
    ui::ScopedInteraction installed(interaction);
    for (const FocusCase& c : Cases()) {
        SCOPED_TRACE(c.picture);
        SalesModel model;
        Names chain;
        std::map<std::string, Names> lists;
        builder_test::WhenShown(c.dialog, [&](QWidget& dialog) {
            if (c.prepare)
                c.prepare(dialog);
            builder_test::SaveScreenshot(dialog, (std::string(c.picture) + ".png").c_str());
            chain = testing_support::FocusChain(static_cast<int>(c.chain.size()) - 1);
            for (const auto& [name, entries] : c.lists)
                lists[name] = Entries(Child<QComboBox>(dialog, name.c_str()));
            static_cast<QDialog&>(dialog).reject();
        });
        c.show(model);
        EXPECT_EQ(chain, c.chain);
        EXPECT_EQ(lists, c.lists);
    }
}

// A path of this length fits its box whole; a longer one shows its end, the folder's own name, once the
// box is left.
TEST(DialogFocus, ToolOptionsFitALongPathAndShowTheEndOfALongerOne) {
    ui::EnsureApplication();
    ui::QtInteraction interaction;
    ui::ScopedInteraction installed(interaction);
    const std::string fits = "/home/developer/projects/order-entry/build/samples/";
    frmToolOptions form;
    form.SetFormTemplatePath(fits);
    form.SetAppDatabasePath(fits + "archive/2024/regional/north/customers/orders/ostrel/repository/");
    builder_test::WhenShown("frmToolOptions", [](QWidget& dialog) {
        auto& templates = Child<QLineEdit>(dialog, "txtFormTemplatePath");
        auto& database = Child<QLineEdit>(dialog, "txtAppDatabasePath");
        EXPECT_LT(templates.fontMetrics().horizontalAdvance(templates.text()), templates.width() - 12);
        EXPECT_GT(database.fontMetrics().horizontalAdvance(database.text()), database.width());
        database.setFocus();
        QTest::keyClick(&database, Qt::Key_Home);
        QTest::keyClick(&database, Qt::Key_Tab);
        EXPECT_EQ(database.cursorPosition(), database.text().size());
        builder_test::SaveScreenshot(dialog, "tool-options-long-path.png");
        static_cast<QDialog&>(dialog).reject();
    });
    form.Show();
}

}  // namespace
}  // namespace builder
