// Deleting model items: what the popup's "&Delete" deletes, the refusals, and the stored rows on a copy
// of the sample repository (one transaction: a failure leaves file, model and views as they were).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <utility>
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

// Customer and Order with Relationship1 to Relationship10 between them and the recursive Relationship11
// of Order; the foreign property Order.CustomerID belongs to Relationship1.
class RelationshipDeletes : public MainWindow {
  protected:
    RelationshipDeletes() {
        mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
        mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Order"));
        auto foreign = NewProperty("Order", "CustomerID");
        mForm.myPropertyForm_PropertyAdded(foreign);
        const auto& objects = *mForm.Application()->BusinessObjects();
        for (int i = 1; i <= 11; ++i) {
            auto relationship = NewRelationship(*mForm.Application(), objects.Item("Order"),
                                                objects.Item(i == 11 ? "Order" : "Customer"));
            if (i == 1) {
                foreign->SetIsForeignProperty(true);
                foreign->Field()->SetIsForeignKey(true);
                relationship->Associations()->Item(1)->SourceForeignProperties()->Add(foreign);
            }
            mForm.myRelationshipForm_RelationshipAdded(relationship);
        }
    }

    Lines Names() const {
        Lines names;
        for (const auto& relationship : *mForm.Application()->Relationships())
            names.push_back(relationship->Name());
        return names;
    }
};

TEST_F(RelationshipDeletes, DeleteRelationshipTakesTheWholeNameOfTheSelectedEnd) {
    auto& views = mForm.Views();
    struct Case {
        std::string what;
        std::function<void()> select;
        std::string deleted;  // "" for none
    };
    const std::vector<Case> cases = {
        {"a property row",
         [&] {
             views.PropertyListView.Select("Order.Properties.CustomerID");
             mForm.ListView_MouseDown(ListTab::Properties, 2);
         },
         ""},
        {"a business object node",
         [&] {
             Select("Order");
             mForm.BusObjTreeView_MouseDown(2);
         },
         ""},
        {"the relationships group node",
         [&] {
             Select("Order.Relationships");
             mForm.BusObjTreeView_MouseDown(2);
         },
         ""},
        {"Relationship1 beside Relationship10, from the list",
         [&] {
             views.RelationshipListView.Select("Customer.Relationships.Relationship1");
             mForm.ListView_MouseDown(ListTab::Relationships, 2);
         },
         "Relationship1"},
        {"the recursive end of Relationship11, from the tree",
         [&] {
             Select("Order.RelationshipsRecursive.Relationship11");
             mForm.BusObjTreeView_MouseDown(2);
         },
         "Relationship11"},
        {"Relationship10 from the tree",
         [&] {
             Select("Order.Relationships.Relationship10");
             mForm.BusObjTreeView_MouseDown(2);
         },
         "Relationship10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Lines expected = Names();
        if (!c.deleted.empty())
            std::erase(expected, c.deleted);
        c.select();
        mForm.RunMenuCommand("mnuRelationshipDelete");
        EXPECT_EQ(Names(), expected);
        // Two rows and two nodes for each relationship left, none for the deleted one.
        EXPECT_EQ(views.RelationshipListView.Count(), static_cast<int32_t>(2 * expected.size()));
        for (const builder::ListRow* row : views.RelationshipListView.Rows()) {
            const auto parts = builder::ParseRelationshipKey(row->Key);
            ASSERT_TRUE(parts.has_value()) << row->Key;
            EXPECT_NE(std::find(expected.begin(), expected.end(), parts->Name), expected.end()) << row->Key;
            EXPECT_TRUE(views.BusObjTreeView.Contains(row->Key)) << row->Key;
        }
        int32_t ends = 0;
        for (const char* name : {"Customer", "Order"})
            ends += mForm.Application()->BusinessObjects()->Item(name)->SourceAssociations()->Count();
        EXPECT_EQ(ends, static_cast<int32_t>(2 * expected.size()));
    }
    // Relationship1's foreign property is a plain property again, and its row says so.
    const auto& property = mForm.Application()->BusinessObjects()->Item("Order")->Properties()->Item(
        "Order.Properties.CustomerID");
    EXPECT_FALSE(property->IsForeignProperty());
    EXPECT_FALSE(property->Field()->IsForeignKey());
    EXPECT_TRUE(mScript.DialogsShown().empty());
}

// The sample's rows as lines: the IDs left in each table, then every stored reference of a property
// (ID ">" ForeignKeyFldID "@" AssociationID "~" PVFKeyDisplayedPropID, the ones set) and the fields
// marked as foreign keys.
class StoredItemDeletes : public Sample {
  protected:
    StoredItemDeletes() { Open("K1"); }

    Lines Snapshot() {
        Lines lines;
        const auto column = [this](const char* sql) {
            std::string line;
            for (const auto& row : mForm.dbZUN()->Query(sql))
                line += (line.empty() ? "" : " ") + row[std::size_t{0}].ToString();
            return line;
        };
        for (const auto& table : repository::RepositoryTables()) {
            const std::string id = table.Name == "PermittedValues" ? "PropID" : "ID";
            lines.push_back(table.Name + ": " +
                            column(("SELECT \"" + id + "\" FROM \"" + table.Name + "\" ORDER BY 1").c_str()));
        }
        std::string references = "References:";
        for (
            const auto& row : mForm.dbZUN()->Query(
                R"sql(SELECT "ID", "ForeignKeyFldID", "AssociationID", "PVFKeyDisplayedPropID" FROM "Property"
                       WHERE "ForeignKeyFldID" IS NOT NULL OR "AssociationID" IS NOT NULL
                          OR "PVFKeyDisplayedPropID" IS NOT NULL ORDER BY "ID")sql")) {
            references += " " + row["ID"].ToString();
            for (const auto& [mark, name] :
                 {std::pair{">", "ForeignKeyFldID"}, std::pair{"@", "AssociationID"},
                  std::pair{"~", "PVFKeyDisplayedPropID"}}) {
                if (!row[name].IsNull())
                    references += std::string(mark) + row[name].ToString();
            }
        }
        lines.push_back(references);
        lines.push_back("Foreign fields: " +
                        column(R"sql(SELECT "ID" FROM "Field" WHERE "IsForeignKey" <> 0 ORDER BY 1)sql"));
        return lines;
    }

    // Rows that refer to a row that is not there (0 refers to none).
    Lines Dangling() {
        static const char* const kChecks[] = {
            R"sql(SELECT 'Table ' || "ID" FROM "Table" WHERE "BusObjID" NOT IN (SELECT "ID" FROM "BusinessObject"))sql",
            R"sql(SELECT 'Property ' || "ID" FROM "Property" WHERE "BusObjID" NOT IN (SELECT "ID" FROM "BusinessObject")
                  OR ("ForeignKeyFldID" <> 0 AND "ForeignKeyFldID" NOT IN (SELECT "ID" FROM "Property"))
                  OR "PVFKeyDisplayedPropID" NOT IN (SELECT "ID" FROM "Property")
                  OR "AssociationID" NOT IN (SELECT "ID" FROM "Association"))sql",
            R"sql(SELECT 'Field ' || "ID" FROM "Field" WHERE "BusObjPropID" NOT IN (SELECT "ID" FROM "Property")
                  OR "TableID" NOT IN (SELECT "ID" FROM "Table"))sql",
            R"sql(SELECT 'PermittedValues ' || "PropID" FROM "PermittedValues"
                  WHERE "PropID" NOT IN (SELECT "ID" FROM "Property"))sql",
            R"sql(SELECT 'Method ' || "ID" FROM "Method" WHERE "BusObjID" NOT IN (SELECT "ID" FROM "BusinessObject"))sql",
            R"sql(SELECT 'Association ' || "ID" FROM "Association"
                  WHERE "RelationshipID" NOT IN (SELECT "ID" FROM "Relationship")
                  OR "SourceBusObjID" NOT IN (SELECT "ID" FROM "BusinessObject")
                  OR "TargetBusObjID" NOT IN (SELECT "ID" FROM "BusinessObject"))sql",
        };
        Lines rows;
        for (const char* sql : kChecks)
            for (const auto& row : mForm.dbZUN()->Query(sql))
                rows.push_back(row[std::size_t{0}].ToString());
        return rows;
    }

    BusObjPtr Object(const char* name) { return mForm.Application()->BusinessObjects()->Item(name); }
    PropertyPtr Property(const char* owner, const char* name) {
        return Object(owner)->Properties()->Item(builder::PropertyKey(owner, name));
    }
    RelationshipPtr StoredRelationship(int32_t id) {
        for (const auto& relationship : *mForm.Application()->Relationships())
            if (relationship->DBID() == id)
                return relationship;
        return nullptr;
    }
};

TEST_F(StoredItemDeletes, EachDeleteLeavesTheRowsWrittenOutAndNoneReferringToADeletedOne) {
    const Lines sample = {
        "Application: 1",
        "BusinessObject: 1 2 3 4",
        "Table: 1 2 3 4",
        "Property: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26",
        "Field: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26",
        "PermittedValues: 7 7 7",
        "Method: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17",
        "Relationship: 1 2 3 4",
        "Association: 1 2 3 4 5 6 7 8",
        "References: 18>1@1~2 19>1@3~2 22>17@5 24>13@7 25>14@7~15",
        "Foreign fields: 18 19 22 24 25",
    };
    ASSERT_EQ(Snapshot(), sample);
    struct Case {
        std::string what;
        std::function<void()> remove;
        std::map<size_t, std::string> changed;  // the lines of `sample` that differ afterwards
        Lines viewGone;                         // tree nodes and rows that go
    };
    const std::vector<Case> cases = {
        {"business object Customer, in two relationships",
         [&] { mForm.DeleteBusObj(*mForm.Application(), Object("Customer")); },
         {{1, "BusinessObject: 2 3 4"},
          {2, "Table: 2 3 4"},
          {3, "Property: 13 14 15 16 17 18 19 20 21 22 23 24 25 26"},
          {4, "Field: 13 14 15 16 17 18 19 20 21 22 23 24 25 26"},
          {5, "PermittedValues: "},
          {6, "Method: 5 6 7 8 9 10 11 12 13 14 15 16 17"},
          {7, "Relationship: 3 4"},
          {8, "Association: 5 6 7 8"},
          {9, "References: 22>17@5 24>13@7 25>14@7~15"},
          {10, "Foreign fields: 22 24 25"}},
         {"Customer", "Customer.Properties.Name", "Customer.Methods.Add"}},
        {"business object Order, in three relationships",
         [&] { mForm.DeleteBusObj(*mForm.Application(), Object("Order")); },
         {{1, "BusinessObject: 1 2 4"},
          {2, "Table: 1 2 4"},
          {3, "Property: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 22 23 24 25 26"},
          {4, "Field: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 22 23 24 25 26"},
          {6, "Method: 1 2 3 4 5 6 7 8 14 15 16 17"},
          {7, "Relationship: 4"},
          {8, "Association: 7 8"},
          {9, "References: 24>13@7 25>14@7~15"},
          {10, "Foreign fields: 24 25"}},
         {"Order", "Order.Methods.Ship"}},
        {"property Order.CustomerID, a foreign property",
         [&] { mForm.DeleteBusObjProperty(*mForm.Application(), Property("Order", "CustomerID")); },
         {{3, "Property: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 19 20 21 22 23 24 25 26"},
          {4, "Field: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 19 20 21 22 23 24 25 26"},
          {9, "References: 19>1@3~2 22>17@5 24>13@7 25>14@7~15"},
          {10, "Foreign fields: 19 22 24 25"}},
         {"Order.Properties.CustomerID"}},
        {"property Customer.CustomerID, the key two foreign properties take over",
         [&] { mForm.DeleteBusObjProperty(*mForm.Application(), Property("Customer", "CustomerID")); },
         {{3, "Property: 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26"},
          {4, "Field: 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26"},
          {9, "References: 18@1~2 19@3~2 22>17@5 24>13@7 25>14@7~15"}},
         {"Customer.Properties.CustomerID"}},
        {"property Customer.PaymentTerms, with permitted values",
         [&] { mForm.DeleteBusObjProperty(*mForm.Application(), Property("Customer", "PaymentTerms")); },
         {{3, "Property: 1 2 3 4 5 6 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26"},
          {4, "Field: 1 2 3 4 5 6 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26"},
          {5, "PermittedValues: "}},
         {"Customer.Properties.PaymentTerms"}},
        {"the identifying relationship of OrderLine and Order",
         [&] { mForm.DeleteRelationship(*mForm.Application(), StoredRelationship(3)); },
         {{7, "Relationship: 1 2 4"},
          {8, "Association: 1 2 3 4 7 8"},
          {9, "References: 18>1@1~2 19>1@3~2 24>13@7 25>14@7~15"},
          {10, "Foreign fields: 18 19 24 25"}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseSampleRepository();
        Open("K1");
        ASSERT_EQ(Snapshot(), sample);
        Lines expected = sample;
        for (const auto& [line, text] : c.changed)
            expected[line] = text;
        c.remove();
        EXPECT_EQ(Snapshot(), expected);
        EXPECT_EQ(Dangling(), Lines{});
        for (const std::string& key : c.viewGone) {
            EXPECT_FALSE(mForm.Views().BusObjTreeView.Contains(key)) << key;
            EXPECT_EQ(mForm.Views().PropertyListView.Find(key), nullptr) << key;
            EXPECT_EQ(mForm.Views().MethodListView.Find(key), nullptr) << key;
        }
        // What is left saves again and opens as it was left.
        mForm.mnuFileSave_Click();
        EXPECT_EQ(Dangling(), Lines{});
    }
}

TEST_F(StoredItemDeletes, AFailedDeleteLeavesTheFileAndTheWindowAsTheyWere) {
    struct Case {
        std::string what;
        const char* refusedTable;
        std::function<void()> remove;
    };
    const std::vector<Case> cases = {
        {"business object", "Method", [&] { mForm.DeleteBusObj(*mForm.Application(), Object("Order")); }},
        {"property", "PermittedValues",
         [&] { mForm.DeleteBusObjProperty(*mForm.Application(), Property("Customer", "PaymentTerms")); }},
        {"relationship", "Relationship",
         [&] { mForm.DeleteRelationship(*mForm.Application(), StoredRelationship(3)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseSampleRepository();
        Open("K1");
        mForm.dbZUN()->Execute(std::string(R"sql(CREATE TRIGGER "Kept" BEFORE DELETE ON ")sql") +
                               c.refusedTable + R"sql(" BEGIN SELECT RAISE(ABORT, 'kept'); END)sql");
        const Lines rows = Snapshot();
        const Lines tree = TreeKeys();
        const Lines properties = Rows(mForm.Views().PropertyListView);
        const Lines relationships = Rows(mForm.Views().RelationshipListView);
        const size_t objects = static_cast<size_t>(mForm.Application()->BusinessObjects()->Count());
        const size_t relationshipCount = static_cast<size_t>(mForm.Application()->Relationships()->Count());
        EXPECT_THROW(c.remove(), vb::Error);
        EXPECT_EQ(Snapshot(), rows);
        EXPECT_EQ(TreeKeys(), tree);
        EXPECT_EQ(Rows(mForm.Views().PropertyListView), properties);
        EXPECT_EQ(Rows(mForm.Views().RelationshipListView), relationships);
        EXPECT_EQ(static_cast<size_t>(mForm.Application()->BusinessObjects()->Count()), objects);
        EXPECT_EQ(static_cast<size_t>(mForm.Application()->Relationships()->Count()), relationshipCount);
        EXPECT_TRUE(Property("Order", "CustomerID")->IsForeignProperty());
    }
}

TEST_F(RelationshipDeletes, ANeverStoredModelRunsNoQueryForAnyDelete) {
    // The repository refuses every delete: a model that was never stored must not reach it.
    for (const auto& table : repository::RepositoryTables())
        mForm.dbZUN()->Execute(R"sql(CREATE TRIGGER "Kept)sql" + table.Name +
                               R"sql(" BEFORE DELETE ON ")sql" + table.Name +
                               R"sql(" BEGIN SELECT RAISE(ABORT, 'kept'); END)sql");
    ASSERT_FALSE(mForm.IsAppOpened());
    auto& application = *mForm.Application();
    mForm.DeleteRelationship(application, application.Relationships()->Item("Relationship2"));
    mForm.DeleteBusObjProperty(application, application.BusinessObjects()->Item("Order")->Properties()->Item(
                                                "Order.Properties.CustomerID"));
    mForm.DeleteBusObj(application, application.BusinessObjects()->Item("Customer"));
    EXPECT_EQ(Names(), (Lines{"Relationship11"}));
    EXPECT_EQ(application.BusinessObjects()->Count(), 1);
    EXPECT_EQ(mForm.Views().RelationshipListView.Count(), 2);
    EXPECT_FALSE(mForm.Views().BusObjTreeView.Contains("Customer"));
}

}  // namespace
}  // namespace builder_test
