// Deleting model items: what the popup's "&Delete" deletes, the refusals, and the stored rows on a copy
// of the sample repository (one transaction: a failure leaves file, model and views as they were).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/builder/SampleWindow.h"

namespace builder_test {
namespace {

using Lines = std::vector<std::string>;

class Deletes : public MainWindow {
  protected:
    Deletes() {
        // Customer without its standard Add, so that a method "add" can stand beside the others.
        auto customer = NewBusinessObject("Customer");
        customer->Methods()->Remove("Customer.Methods.Add");
        mForm.myBusObjForm_BusinessObjectAdded(customer);
        mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Order"));
        mForm.myPropertyForm_PropertyAdded(NewProperty("Order", "Total"));
        mForm.myMethodForm_MethodAdded(NewMethod("Order", "Archive"));
        mForm.myMethodForm_MethodAdded(NewMethod("Customer", "add"));
    }

    Lines MethodKeys() const {
        Lines keys;
        for (const auto& businessObject : *mForm.Application()->BusinessObjects())
            for (const auto& method : *businessObject->Methods())
                keys.push_back(method->BusinessObjectName() + "." + method->Name());
        return keys;
    }
};

TEST_F(Deletes, PopupDeleteTakesTheSelectedMethodOnly) {
    auto& views = mForm.Views();
    struct Case {
        std::string what;
        std::function<void()> select;
        std::string deleted;  // "Customer.add": the method gone; "" for none
        Lines messages;
    };
    const std::vector<Case> cases = {
        {"a property row",
         [&] {
             views.PropertyListView.Select("Order.Properties.Total");
             mForm.ListView_MouseDown(ListTab::Properties, 2);
         },
         "",
         {}},
        {"a property node",
         [&] {
             Select("Order.Properties.Total");
             mForm.BusObjTreeView_MouseDown(2);
         },
         "",
         {}},
        {"the standard Add",
         [&] {
             views.MethodListView.Select("Order.Methods.Add");
             mForm.ListView_MouseDown(ListTab::Methods, 2);
         },
         "",
         {"CRUD methods cannot be deleted! (10, Error)"}},
        {"the standard Read from the tree",
         [&] {
             Select("Customer.Methods.Read");
             mForm.BusObjTreeView_MouseDown(2);
         },
         "",
         {"CRUD methods cannot be deleted! (10, Error)"}},
        {"a method row",
         [&] {
             views.MethodListView.Select("Order.Methods.Archive");
             mForm.ListView_MouseDown(ListTab::Methods, 2);
         },
         "Order.Archive",
         {}},
        {"a method \"add\" in an object without \"Add\", from the tree",
         [&] {
             Select("Customer.Methods.add");
             mForm.BusObjTreeView_MouseDown(2);
         },
         "Customer.add",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t shown = Messages().size();
        Lines expected = MethodKeys();
        if (!c.deleted.empty())
            std::erase(expected, c.deleted);
        c.select();
        mForm.RunMenuCommand("mnuPropMethDelete");
        EXPECT_EQ(MethodKeys(), expected);
        const Lines messages = Messages();
        EXPECT_EQ(Lines(messages.begin() + static_cast<std::ptrdiff_t>(shown), messages.end()), c.messages);
        // The list and the tree hold exactly the methods left.
        Lines rows;
        for (const std::string& row : Rows(views.MethodListView))
            rows.push_back(row.substr(0, row.find(' ')));
        Lines expectedRows;
        for (const std::string& method : expected) {
            const size_t dot = method.find('.');
            expectedRows.push_back(builder::MethodKey(method.substr(0, dot), method.substr(dot + 1)));
        }
        EXPECT_EQ(rows.size(), expectedRows.size());
        for (const std::string& key : expectedRows) {
            EXPECT_NE(views.MethodListView.Find(key), nullptr) << key;
            EXPECT_TRUE(views.BusObjTreeView.Contains(key)) << key;
        }
        if (!c.deleted.empty()) {
            EXPECT_EQ(mForm.CurrentContext(), Context::None);
        }
    }
    EXPECT_TRUE(mScript.DialogsShown().empty());
}

TEST_F(Deletes, AMethodNotInItsBusinessObjectRaisesBeforeAnythingIsDeleted) {
    const auto stray = NewMethod("Order", "Stray");
    EXPECT_THROW(mForm.DeleteBusObjMethod(*mForm.Application(), stray), vb::Error);
    const auto elsewhere = NewMethod("Nowhere", "Archive");
    EXPECT_THROW(mForm.DeleteBusObjMethod(*mForm.Application(), elsewhere), vb::Error);
    EXPECT_EQ(MethodKeys().size(), 9u);
    EXPECT_TRUE(mForm.Views().MethodListView.Find("Order.Methods.Archive") != nullptr);
}

class StoredDeletes : public Sample {
  protected:
    StoredDeletes() {
        Open("K1");
        mForm.myMethodForm_MethodAdded(NewMethod("Customer", "Archive"));
        mForm.mnuFileSave_Click();
    }

    // The ID and name of every stored method row, in ID order.
    Lines MethodRows() {
        Lines rows;
        for (const auto& row :
             mForm.dbZUN()->Query(R"sql(SELECT "ID", "Name" FROM "Method" ORDER BY "ID")sql"))
            rows.push_back(row["ID"].ToString() + " " + row["Name"].ToString());
        return rows;
    }
};

TEST_F(StoredDeletes, DeletingAStoredMethodDeletesItsRowOnly) {
    const auto method =
        mForm.Application()->BusinessObjects()->Item("Customer")->Methods()->Item("Customer.Methods.Archive");
    ASSERT_NE(method->DBID(), 0);
    const auto counts = RowCounts();
    Lines rows = MethodRows();
    ASSERT_EQ(rows.back(), std::to_string(method->DBID()) + " Archive");
    rows.pop_back();

    mForm.Views().MethodListView.Select("Customer.Methods.Archive");
    mForm.ListView_MouseDown(ListTab::Methods, 2);
    mForm.RunMenuCommand("mnuPropMethDelete");

    auto expected = counts;
    --expected["Method"];
    EXPECT_EQ(RowCounts(), expected);
    EXPECT_EQ(MethodRows(), rows);
    EXPECT_FALSE(mForm.Views().BusObjTreeView.Contains("Customer.Methods.Archive"));
    EXPECT_EQ(mScript.DialogsShown(), (Lines{"frmAppOpen"}));
}

TEST_F(StoredDeletes, AFailedRowDeleteChangesNothing) {
    mForm.dbZUN()->Execute(R"sql(CREATE TRIGGER "KeepMethods" BEFORE DELETE ON "Method"
                                 BEGIN SELECT RAISE(ABORT, 'kept'); END)sql");
    const auto counts = RowCounts();
    const Lines rows = MethodRows();
    const Lines tree = TreeKeys();
    const Lines methodRows = Rows(mForm.Views().MethodListView);

    Select("Customer.Methods.Archive");
    mForm.BusObjTreeView_MouseDown(2);
    mForm.RunMenuCommand("mnuPropMethDelete");

    EXPECT_EQ(mScript.DialogsShown(), (Lines{"frmAppOpen", "frmErrorDisplayUtil"}));
    EXPECT_EQ(RowCounts(), counts);
    EXPECT_EQ(MethodRows(), rows);
    EXPECT_EQ(TreeKeys(), tree);
    EXPECT_EQ(Rows(mForm.Views().MethodListView), methodRows);
    EXPECT_TRUE(mForm.Application()
                    ->BusinessObjects()
                    ->Item("Customer")
                    ->Methods()
                    ->Exists("Customer.Methods.Archive"));
}

TEST_F(Deletes, ANeverStoredModelRunsNoQuery) {
    // The repository refuses every method delete: a model that was never stored must not reach it.
    mForm.dbZUN()->Execute(R"sql(CREATE TRIGGER "KeepMethods" BEFORE DELETE ON "Method"
                                 BEGIN SELECT RAISE(ABORT, 'kept'); END)sql");
    ASSERT_FALSE(mForm.IsAppOpened());
    mForm.DeleteBusObjMethod(
        *mForm.Application(),
        mForm.Application()->BusinessObjects()->Item("Order")->Methods()->Item("Order.Methods.Archive"));
    const Lines left = MethodKeys();
    EXPECT_EQ(left.size(), 8u);
    EXPECT_EQ(std::count(left.begin(), left.end(), "Order.Archive"), 0);
}

}  // namespace
}  // namespace builder_test
