// The relationship dialog and its two pickers driven without a window: the type rules, the roles and the
// supplier choice, the key list and its matching, every message, and what the commit writes (and, for
// Cancel, a refusal or a failed commit, does not write) into the model.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "builder/RelationshipPickers.h"
#include "builder/frmRelationshipBuilder.h"
#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "platform/ui/ScriptedInteraction.h"
#include "repository/ModelFiling.h"
#include "tests/builder/DialogRuns.h"
#include "tests/builder/DialogTestModel.h"
#include "tests/builder/ShopModel.h"

namespace builder_test {
namespace {

using Lines = std::vector<std::string>;
using builder::frmRelationshipBuilder;

// The relationships and every business object's ends, with the foreign properties and where they lead.
std::string RelationshipText(const core::qelApplication& application) {
    std::string text;
    for (const auto& relationship : *application.Relationships()) {
        text += relationship->Name() + " " + relationship->RelType() + ":";
        const auto& associations = *relationship->Associations();
        for (int32_t i = 1; i <= associations.Count(); ++i) {
            const auto& association = *associations.Item(i);
            text += " [" + associations.KeyOf(i) + " " + association.Cardinality() +
                    (association.IsOptional() ? " sometimes " : " always ") + association.Description();
            for (const auto& property : *association.SourceForeignProperties())
                text += " fk " + property->Name();
            text += "]";
        }
        text += "\n";
    }
    for (const auto& businessObject : *application.BusinessObjects()) {
        text += businessObject->Name() + " ends:";
        for (const auto* ends :
             {businessObject->SourceAssociations().get(), businessObject->TargetAssociations().get()})
            for (int32_t i = 1; i <= ends->Count(); ++i)
                text += (ends == businessObject->SourceAssociations().get() ? " >" : " <") + ends->KeyOf(i);
        for (const auto& property : *businessObject->Properties()) {
            const auto& keyField = property->ForeignKeyField();
            const auto supplier = keyField ? keyField->BusObjProperty() : nullptr;
            if (supplier)
                text +=
                    " " + property->Name() + "->" + supplier->BusinessObjectName() + "." + supplier->Name();
        }
        text += "\n";
    }
    return text;
}

std::string Everything(const core::qelApplication& application) {
    return ModelText(application) + RelationshipText(application);
}

struct RelationshipDialogRun {
    Shop shop;
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed{script};
    frmRelationshipBuilder form;
    Lines events;
    bool refuse = false;

    RelationshipDialogRun() {
        form.OnRelationshipAdded([this](const std::shared_ptr<core::qelRelationship>& relationship) {
            events.push_back("added " + relationship->Name());
            if (refuse)
                return false;
            repository::FileRelationship(*shop.application, relationship);
            return true;
        });
        form.OnRelationshipUpdated([this](const std::shared_ptr<core::qelRelationship>& relationship) {
            events.push_back("updated " + relationship->Name());
        });
        form.SetApplication(shop.application);
        form.SetBusinessObject(shop.Object("Order"));
        form.SetRelationships(shop.application->Relationships());
    }

    void ShowNew() { form.Show(); }
    // Fills both boxes through the list and ">", as a person does.
    void Choose(const std::string& first, const std::string& second) {
        for (const auto& [name, button] : {std::pair{first, 0}, std::pair{second, 2}}) {
            const auto& items = form.lstAllBusObjects.Items;
            form.lstAllBusObjects.ListIndex =
                static_cast<int32_t>(std::find(items.begin(), items.end(), name) - items.begin());
            form.cmdMoveFields_Click(button);
        }
    }
    void Cardinalities(const std::string& first, const std::string& second) {
        first == "One" ? form.optA1One_Click() : form.optA1Many_Click();
        second == "One" ? form.optA2One_Click() : form.optA2Many_Click();
    }
    void Describe(const std::string& first, const std::string& second) {
        form.txtAssoc1Name_Change(first);
        form.txtAssoc2Name_Change(second);
    }
    // The supplier picker's answer: the entry to select, or "" to cancel.
    void AnswerSupplier(const std::string& name) {
        script.AnswerDialog([name](ui::ModalDialog& dialog) {
            auto& picker = dynamic_cast<builder::frmSuppBusObj&>(dialog);
            if (name.empty()) {
                picker.cmdCancel_Click();
                return;
            }
            const auto& items = picker.lstBusObj.Items;
            picker.lstBusObj.ListIndex =
                static_cast<int32_t>(std::find(items.begin(), items.end(), name) - items.begin());
            picker.cmdOK_Click();
        });
    }
    // Matches row `row` with the receiver's property `name` through the property picker; `seen` gets what
    // the picker offered.
    void Match(int32_t row, const std::string& name, Lines* seen = nullptr, std::string* message = nullptr) {
        script.AnswerDialog([name, seen, message](ui::ModalDialog& dialog) {
            auto& picker = dynamic_cast<builder::frmMatchPropertiesPopUp&>(dialog);
            if (seen)
                *seen = picker.lstProperties.Items;
            if (message)
                *message = picker.lblMessage1;
            const auto& items = picker.lstProperties.Items;
            const auto found = std::find(items.begin(), items.end(), name);
            if (found == items.end()) {
                picker.cmdCancel_Click();
                return;
            }
            picker.lstProperties.ListIndex = static_cast<int32_t>(found - items.begin());
            picker.lstProperties_DblClick();
        });
        form.MatchedListView.ListIndex = row;
        form.MatchedListView_DblClick();
    }
    Lines Rows() const {
        Lines rows;
        for (const auto& row : form.MatchedListView.Rows)
            rows.push_back(row.Key + "=" + row.Matched);
        return rows;
    }
    Lines Messages() const {
        Lines messages;
        for (const auto& prompt : script.Prompts())
            messages.push_back(prompt.prompt + " (" + std::to_string(prompt.buttons) + ", " + prompt.title +
                               ")");
        return messages;
    }
};

const std::string kOneToOne =
    "A one-to-one relationship has been created.  Therefore, \rthe relationship type must be Subtype! (64, "
    "VB Ostrel)";
const std::string kOneToMany =
    "A one-to-many relationship has been created.  Therefore, \rthe relationship type "
    "must be Reference or Identifying! (64, VB Ostrel)";

TEST(RelationshipDialog, ANewRelationshipStartsOneSometimesAndManyAlways) {
    RelationshipDialogRun run;
    run.ShowNew();
    auto& form = run.form;
    EXPECT_EQ(form.Caption(), "Relationship Builder - New Relationship");
    EXPECT_EQ(form.cmbRelType.Items, (Lines{"Identifying", "Reference", "Subtype"}));
    EXPECT_EQ(form.cmbRelType.Text(), "Reference");
    EXPECT_TRUE(form.optA1One.Value && form.optA1Sometimes.Value && form.optA2Many.Value &&
                form.optA2Always.Value);
    EXPECT_FALSE(form.optA1Many.Value || form.optA1Always.Value || form.optA2One.Value ||
                 form.optA2Sometimes.Value);
    EXPECT_EQ(form.lstAllBusObjects.Items,
              (Lines{"Customer", "Order", "OrderLine", "Product", "Memo", "Empty"}));
    EXPECT_EQ(form.TabCaption(1), "FirstBusObj");
    EXPECT_EQ(form.TabCaption(2), "SecondBusObj");
    EXPECT_EQ(form.TabCaption(3), "Related Properties");
    EXPECT_EQ(form.Frame2Caption(), "Select Related Business Objects");
    EXPECT_EQ(run.script.DialogsShown(), (Lines{"frmRelationshipBuilder"}));
}

TEST(RelationshipDialog, BusinessObjectsEnterThroughTheButtonsAndTheDoubleClickOnly) {
    RelationshipDialogRun run;
    run.ShowNew();
    auto& form = run.form;
    struct Step {
        std::string what;
        std::function<void()> act;
        std::string first, second;
    };
    const std::vector<Step> steps = {
        {"> without a selection", [&] { form.cmdMoveFields_Click(0); }, "", ""},
        {"double click on Order",
         [&] {
             form.lstAllBusObjects.ListIndex = 1;
             form.lstAllBusObjects_DblClick();
         },
         "Order", ""},
        {"> of the first box, now full",
         [&] {
             form.lstAllBusObjects.ListIndex = 2;
             form.cmdMoveFields_Click(0);
         },
         "Order", ""},
        {"double click again fills the second",
         [&] {
             form.lstAllBusObjects.ListIndex = 1;
             form.lstAllBusObjects_DblClick();
         },
         "Order", "Order"},
        {"a third double click does nothing",
         [&] {
             form.lstAllBusObjects.ListIndex = 0;
             form.lstAllBusObjects_DblClick();
         },
         "Order", "Order"},
        {"< of the first box", [&] { form.cmdMoveFields_Click(1); }, "", "Order"},
        {"> of the first box with Customer",
         [&] {
             form.lstAllBusObjects.ListIndex = 0;
             form.cmdMoveFields_Click(0);
         },
         "Customer", "Order"},
        {"< of the second box", [&] { form.cmdMoveFields_Click(3); }, "Customer", ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(form.txtBusObj1.Text, step.first);
        EXPECT_EQ(form.txtBusObj2.Text, step.second);
        EXPECT_EQ(form.txtBusObj1A.Text, step.first);
        EXPECT_EQ(form.txtBusObj2B.Text, step.first);
        EXPECT_EQ(form.txtBusObj1B.Text, step.second);
        EXPECT_EQ(form.txtBusObj2A.Text, step.second);
        EXPECT_EQ(form.TabCaption(1), step.first.empty() ? "FirstBusObj" : step.first);
        EXPECT_EQ(form.TabCaption(2), step.second.empty() ? "SecondBusObj" : step.second);
    }
    EXPECT_EQ(form.lstAllBusObjects.ListIndex, 0);  // a name moved selects the first entry
}

TEST(RelationshipDialog, TheTypeFollowsTheCardinalities) {
    struct Case {
        std::string first, second;
        int32_t chosen;  // -1: none chosen
        std::string type;
        Lines messages;
    };
    const std::vector<Case> cases = {
        {"One", "One", -1, "Subtype", {}},
        {"One", "One", 1, "Subtype", {kOneToOne}},
        {"One", "One", 0, "Subtype", {kOneToOne}},
        {"One", "Many", 2, "Reference", {kOneToMany}},
        {"Many", "One", 2, "Reference", {kOneToMany}},
        {"Many", "Many", 2, "Reference", {kOneToMany}},
        {"One", "Many", 0, "Identifying", {}},
        {"Many", "One", 1, "Reference", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first + "-" + c.second + " choosing " + std::to_string(c.chosen));
        RelationshipDialogRun run;
        run.ShowNew();
        run.Cardinalities(c.first, c.second);
        if (c.chosen >= 0) {
            run.form.cmbRelType_GotFocus();
            run.form.cmbRelType_Click(c.chosen);
        }
        EXPECT_EQ(run.form.cmbRelType.Text(), c.type);
        EXPECT_EQ(run.Messages(), c.messages);
    }
}

TEST(RelationshipDialog, RolesDecideWhoSuppliesTheKeyList) {
    struct Case {
        std::string first, second, card1, card2;
        std::string supplierAnswer;  // for a one-to-one relationship
        Lines rows;
        std::string supplier, receiver;
        Lines messages;
    };
    const std::vector<Case> cases = {
        {"Order", "Customer", "One", "Many", "", {"CustomerID="}, "Customer", "Order", {}},
        {"Customer", "Order", "Many", "One", "", {"CustomerID="}, "Customer", "Order", {}},
        {"OrderLine",
         "Product",
         "One",
         "Many",
         "",
         {"SupplierCode=", "ProductCode="},
         "Product",
         "OrderLine",
         {}},
        {"Order", "Customer", "One", "One", "Customer", {"CustomerID="}, "Customer", "Order", {}},
        {"Order", "Customer", "One", "One", "Order", {"OrderID="}, "Order", "Customer", {}},
        {"Order", "Order", "One", "One", "Order", {"OrderID="}, "Order", "Order", {}},
        {"Order", "Customer", "One", "One", "", {}, "", "", {}},  // the supplier picker cancelled
        {"Order",
         "Customer",
         "Many",
         "Many",
         "",
         {},
         "",
         "",
         {"Relationship is many-to-many. (64, Information)"}},
        {"Order",
         "Empty",
         "One",
         "Many",
         "",
         {},
         "",
         "",
         {"There are no properties in Empty. (64, Information)"}},
        {"Order", "Memo", "One", "Many", "", {}, "Memo", "Order", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first + "-" + c.second + " " + c.card1 + "-" + c.card2);
        RelationshipDialogRun run;
        run.ShowNew();
        run.Choose(c.first, c.second);
        run.Cardinalities(c.card1, c.card2);
        if (c.card1 == "One" && c.card2 == "One")
            run.AnswerSupplier(c.supplierAnswer);
        run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
        EXPECT_EQ(run.Rows(), c.rows);
        EXPECT_EQ(run.form.MatchedListView.SupplierHeader, c.supplier);
        EXPECT_EQ(run.form.MatchedListView.ReceiverHeader, c.receiver);
        EXPECT_EQ(run.Messages(), c.messages);
    }
}

TEST(RelationshipDialog, MatchingPropertiesHaveTheKeysTypeAndLength) {
    Shop shop;
    struct Case {
        std::string owner, key, receiver;
        Lines matches;
    };
    const std::vector<Case> cases = {
        {"Customer", "CustomerID", "Order", {"OrderID", "CustomerID"}},
        {"Order", "OrderID", "OrderLine", {"OrderID"}},  // LineNo is an Integer of the same length
        {"Product", "ProductCode", "OrderLine", {"ProductCode"}},
        {"Product", "SupplierCode", "Customer", {}},
        {"Customer", "CustomerID", "Empty", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.owner + "." + c.key + " in " + c.receiver);
        Lines names;
        for (const auto& property : frmRelationshipBuilder::GetMatchingProperties(
                 *shop.Property(c.owner, c.key), *shop.Object(c.receiver)))
            names.push_back(property->Name());
        EXPECT_EQ(names, c.matches);
    }
    const auto longer = shop.Property("Order", "Note");
    longer->SetLength(10);
    EXPECT_TRUE(frmRelationshipBuilder::GetMatchingProperties(*shop.Property("Product", "ProductCode"),
                                                              *shop.Object("Order"))
                    .empty());
}

TEST(RelationshipDialog, ThePropertyPickerOffersTheMatchesAndNamesTheReceiverWithoutAny) {
    RelationshipDialogRun run;
    run.ShowNew();
    run.Choose("Memo", "Customer");
    run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
    Lines seen = {"not shown"};
    std::string message;
    run.Match(0, "Text", &seen, &message);
    EXPECT_EQ(seen, Lines{});
    EXPECT_EQ(message,
              "Select the property from the Memo Business Object that matches the CustomerID property in "
              "the Customer Business Object.");
    EXPECT_EQ(run.Rows(), (Lines{"CustomerID="}));
    EXPECT_EQ(run.script.DialogsShown(), (Lines{"frmRelationshipBuilder", "frmMatchPropertiesPopUp"}));

    run.form.cmdMoveFields_Click(1);
    run.Choose("Order", "");
    run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
    run.Match(0, "CustomerID", &seen, &message);
    EXPECT_EQ(seen, (Lines{"OrderID", "CustomerID"}));
    EXPECT_EQ(run.Rows(), (Lines{"CustomerID=CustomerID"}));
}

TEST(RelationshipDialog, EveryRefusalOfOKShowsItsMessageAndCommitsNothing) {
    struct Case {
        std::string what;
        std::function<void(RelationshipDialogRun&)> fill;
        std::string message;
        std::string focus;
    };
    const auto full = [](RelationshipDialogRun& run) {
        run.Choose("Order", "Customer");
        run.Describe("is placed by", "places");
        run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
        run.Match(0, "CustomerID");
    };
    const std::vector<Case> cases = {
        {"no key list", [](RelationshipDialogRun& run) { run.Choose("Order", "Customer"); },
         "Business objects must have primary keys before \ra relationship can be created! (48, VB Ostrel)",
         ""},
        {"a key not matched",
         [](RelationshipDialogRun& run) {
             run.Choose("Order", "Customer");
             run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
         },
         "The keys that relate  the business objects must be selected\r before the relationship can be "
         "saved! (48, VB "
         "Ostrel)",
         ""},
        {"half of a composite key matched",
         [](RelationshipDialogRun& run) {
             run.Choose("OrderLine", "Product");
             run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
             run.Match(0, "ProductCode");
         },
         "The keys that relate  the business objects must be selected\r before the relationship can be "
         "saved! (48, VB "
         "Ostrel)",
         ""},
        {"an end changed after the keys were matched",
         [full](RelationshipDialogRun& run) {
             full(run);
             run.form.cmdMoveFields_Click(3);
             run.Choose("", "OrderLine");
         },
         "Business objects must have primary keys before \ra relationship can be created! (48, VB Ostrel)",
         ""},
        {"a cardinality changed after the keys were matched",
         [full](RelationshipDialogRun& run) {
             full(run);
             run.form.optA1Many_Click();
             run.form.optA2One_Click();
         },
         "Business objects must have primary keys before \ra relationship can be created! (48, VB Ostrel)",
         ""},
        {"no first description",
         [full](RelationshipDialogRun& run) {
             full(run);
             run.form.txtAssoc1Name_Change("");
         },
         "The Relationship Description must be filled in! (64, Information)", "txtAssoc1Name"},
        {"no second description",
         [full](RelationshipDialogRun& run) {
             full(run);
             run.form.txtAssoc2Name_Change("");
         },
         "The Relationship Description must be filled in! (64, Information)", "txtAssoc2Name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RelationshipDialogRun run;
        const std::string before = Everything(*run.shop.application);
        run.ShowNew();
        c.fill(run);
        const size_t shown = run.script.Prompts().size();
        run.form.cmdOK_Click();
        const Lines messages = run.Messages();
        ASSERT_EQ(messages.size(), shown + 1);
        EXPECT_EQ(messages.back(), c.message);
        EXPECT_EQ(run.form.Focus(), c.focus);
        EXPECT_TRUE(run.form.IsLoaded());
        EXPECT_TRUE(run.events.empty());
        EXPECT_EQ(Everything(*run.shop.application), before);
    }
}

// A relationship made through the dialog and committed: what changed in the model.
struct Committed {
    std::string what;
    std::string first, second, card1, card2, type;
    bool firstAlways;
    std::map<int32_t, std::string> matches;  // row -> receiver property
    std::string supplier;                    // one-to-one
    std::string relationships;               // RelationshipText afterwards, business objects with ends only
    std::string keys;                        // the receiver's keys afterwards
    bool mandatory;                          // the first matched receiver property
};

TEST(RelationshipDialog, TheCommitMakesForeignKeysAndFilesTheRelationship) {
    const std::vector<Committed> cases = {
        {"reference: the foreign key leaves the receiver's key",
         "OrderLine",
         "Order",
         "One",
         "Many",
         "Reference",
         true,
         {{0, "OrderID"}},
         "",
         "Relationship1 Reference: [OrderLine.Relationships.Relationship1 One always is part of fk OrderID] "
         "[Order.Relationships.Relationship1 Many always contains]\n"
         "Order ends: >Order.Relationships.Relationship1 <OrderLine.Relationships.Relationship1\n"
         "OrderLine ends: >OrderLine.Relationships.Relationship1 <Order.Relationships.Relationship1 "
         "OrderID->Order.OrderID\n",
         "LineNo=1",
         true},
        {"identifying: the foreign key stays in the key",
         "OrderLine",
         "Order",
         "One",
         "Many",
         "Identifying",
         false,
         {{0, "OrderID"}},
         "",
         "Relationship1 Identifying: [OrderLine.Relationships.Relationship1 One sometimes is part of fk "
         "OrderID] "
         "[Order.Relationships.Relationship1 Many always contains]\n"
         "Order ends: >Order.Relationships.Relationship1 <OrderLine.Relationships.Relationship1\n"
         "OrderLine ends: >OrderLine.Relationships.Relationship1 <Order.Relationships.Relationship1 "
         "OrderID->Order.OrderID\n",
         "OrderID=1 LineNo=2",
         true},  // a key is mandatory anyway
        {"subtype of two objects, the second supplying",
         "Order",
         "Customer",
         "One",
         "One",
         "Subtype",
         true,
         {{0, "CustomerID"}},
         "Customer",
         "Relationship1 Subtype: [Order.Relationships.Relationship1 One always is part of fk CustomerID] "
         "[Customer.Relationships.Relationship1 One always contains]\n"
         "Customer ends: >Customer.Relationships.Relationship1 <Order.Relationships.Relationship1\n"
         "Order ends: >Order.Relationships.Relationship1 <Customer.Relationships.Relationship1 "
         "CustomerID->Customer.CustomerID\n",
         "OrderID=1",
         true},
        {"recursive: the second end is filed as the recursive one",
         "Order",
         "Order",
         "One",
         "Many",
         "Reference",
         false,
         {{0, "CustomerID"}},
         "",
         "Relationship1 Reference: [Order.Relationships.Relationship1 One sometimes is part of fk "
         "CustomerID] "
         "[Order.RelationshipsRecursive.Relationship1 Many always contains]\n"
         "Order ends: >Order.Relationships.Relationship1 >Order.RelationshipsRecursive.Relationship1 "
         "<Order.Relationships.Relationship1 <Order.RelationshipsRecursive.Relationship1 "
         "CustomerID->Order.OrderID\n",
         "OrderID=1",
         false},
        {"many to one: the second object receives",
         "Product",
         "OrderLine",
         "Many",
         "One",
         "Reference",
         true,
         {{0, "OrderID"}, {1, "ProductCode"}},
         "",
         "",  // OrderID is no String: refused by the picker, so row 0 stays unmatched
         "",
         false},
    };
    for (const Committed& c : cases) {
        SCOPED_TRACE(c.what);
        RelationshipDialogRun run;
        run.ShowNew();
        run.Choose(c.first, c.second);
        run.Cardinalities(c.card1, c.card2);
        if (c.firstAlways)
            run.form.optA1Always_Click();
        run.form.cmbRelType.SetText(c.type);
        run.Describe("is part of", "contains");
        if (!c.supplier.empty())
            run.AnswerSupplier(c.supplier);
        run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
        for (const auto& [row, name] : c.matches)
            run.Match(row, name);
        run.form.cmdOK_Click();
        if (c.relationships.empty()) {
            EXPECT_TRUE(run.events.empty());
            EXPECT_TRUE(run.form.IsLoaded());
            continue;
        }
        EXPECT_EQ(run.events, (Lines{"added Relationship1"}));
        EXPECT_FALSE(run.form.IsLoaded());
        std::string relationships;
        for (const std::string& line : [&] {
                 Lines lines;
                 std::string text = RelationshipText(*run.shop.application);
                 for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
                      start = end + 1)
                     lines.push_back(text.substr(start, end - start + 1));
                 return lines;
             }()) {
            if (line.starts_with("Relationship") || line.find(" ends: ") != std::string::npos)
                relationships += line;
        }
        EXPECT_EQ(relationships, c.relationships);
        const auto receiver = run.form.BusinessObject();
        ASSERT_NE(receiver, nullptr);
        std::string keys;
        for (const auto& key : *receiver->KeyProperties())
            keys += (keys.empty() ? "" : " ") + key->Name() + "=" + std::to_string(key->KeyIndex());
        EXPECT_EQ(keys, c.keys);
        const auto matched = run.shop.Property(receiver->Name(), c.matches.begin()->second);
        EXPECT_TRUE(matched->IsForeignProperty());
        EXPECT_TRUE(matched->Field()->IsForeignKey());
        EXPECT_EQ(matched->IsMandatory(), c.mandatory);
    }
}

TEST(RelationshipDialog, NewRelationshipsAreNamedAfterTheLastOne) {
    struct Case {
        std::vector<std::string> existing;
        std::string name;
    };
    const std::vector<Case> cases = {{{}, "Relationship1"},
                                     {{"Relationship9"}, "Relationship10"},
                                     {{"Relationship10"}, "Relationship11"},
                                     {{"Relationship10", "Relationship2"}, "Relationship3"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RelationshipDialogRun run;
        for (const std::string& name : c.existing) {
            auto relationship = std::make_shared<core::qelRelationship>();
            relationship->SetName(name);
            run.shop.application->Relationships()->Add(relationship, name);
        }
        run.ShowNew();
        run.Choose("Order", "Customer");
        run.Describe("is placed by", "places");
        run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
        run.Match(0, "CustomerID");
        run.form.cmdOK_Click();
        EXPECT_EQ(run.events, Lines{"added " + c.name});
        EXPECT_TRUE(run.shop.Object("Order")->SourceAssociations()->Exists("Order.Relationships." + c.name));
    }
}

TEST(RelationshipDialog, ARefusedOrFailedCommitChangesNothing) {
    struct Case {
        std::string what;
        std::function<void(RelationshipDialogRun&)> spoil;
        Lines dialogs;
    };
    const std::vector<Case> cases = {
        {"the main window refuses it",
         [](RelationshipDialogRun& run) { run.refuse = true; },
         {"frmRelationshipBuilder", "frmMatchPropertiesPopUp"}},
        {"an end's key is taken",
         [](RelationshipDialogRun& run) {
             run.shop.Object("Order")->SourceAssociations()->Add(std::make_shared<core::qelAssociation>(),
                                                                 "Order.Relationships.Relationship1");
         },
         {"frmRelationshipBuilder", "frmMatchPropertiesPopUp", "frmErrorDisplayUtil"}},
        {"the last name holds no number",
         [](RelationshipDialogRun& run) {
             auto odd = std::make_shared<core::qelRelationship>();
             odd->SetName("Ownership");
             run.shop.application->Relationships()->Add(odd, "Ownership");
         },
         {"frmRelationshipBuilder", "frmMatchPropertiesPopUp", "frmErrorDisplayUtil"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RelationshipDialogRun run;
        c.spoil(run);
        const std::string before = Everything(*run.shop.application);
        run.ShowNew();
        run.Choose("OrderLine", "Order");
        run.Describe("is part of", "contains");
        run.form.optA1Always_Click();
        run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
        run.Match(0, "OrderID");
        run.form.cmdOK_Click();
        EXPECT_TRUE(run.form.IsLoaded());
        EXPECT_EQ(Everything(*run.shop.application), before);
        EXPECT_EQ(run.script.DialogsShown(), c.dialogs);
    }
}

class EditedRelationship : public ::testing::Test {
  protected:
    EditedRelationship() {
        run.ShowNew();
        run.Choose("OrderLine", "Order");
        run.Describe("is part of", "contains");
        run.form.cmbRelType.SetText("Identifying");
        run.form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
        run.Match(0, "OrderID");
        run.form.cmdOK_Click();
        run.events.clear();
        run.form.LoadExistingRelationship("Relationship1");
        run.form.Show();
    }
    RelationshipDialogRun run;
};

TEST_F(EditedRelationship, TheStoredShapeIsFixed) {
    auto& form = run.form;
    EXPECT_TRUE(form.IsEditMode());
    EXPECT_EQ(form.Caption(), "Relationship Builder - OrderLine and Order");
    EXPECT_EQ(form.cmbRelType.Text(), "Identifying");
    EXPECT_EQ(form.Frame2Caption(), "Related Business Objects");
    EXPECT_FALSE(form.cmdMoveFieldsVisible());
    EXPECT_EQ(form.lstAllBusObjects.Items, (Lines{"Customer", "Product", "Memo", "Empty"}));
    EXPECT_EQ(form.txtBusObj1.Text, "OrderLine");
    EXPECT_EQ(form.txtAssoc2Name.Text, "contains");
    EXPECT_TRUE(form.optA1One.Value && form.optA1Sometimes.Value && form.optA2Many.Value &&
                form.optA2Always.Value);
    for (const auto* option : {&form.optA1Always, &form.optA1Sometimes, &form.optA1One, &form.optA1Many,
                               &form.optA2Always, &form.optA2Sometimes, &form.optA2One, &form.optA2Many})
        EXPECT_FALSE(option->Enabled);
    EXPECT_EQ(run.Rows(), (Lines{"OrderID=OrderID"}));
    EXPECT_EQ(form.MatchedListView.SupplierHeader, "Order");
    EXPECT_EQ(form.MatchedListView.ReceiverHeader, "OrderLine");
    // Showing the key tab again keeps the stored list.
    form.SSTab1_Click(frmRelationshipBuilder::RelatedProperties);
    EXPECT_EQ(run.Rows(), (Lines{"OrderID=OrderID"}));
}

TEST_F(EditedRelationship, CancelAfterEditingDescriptionsChangesNothing) {
    const std::string before = Everything(*run.shop.application);
    run.form.txtAssoc1Name_Change("belongs to");
    run.form.cmbRelType_GotFocus();
    run.form.cmbRelType_Click(1);
    run.form.cmdCancel_Click();
    EXPECT_EQ(Everything(*run.shop.application), before);
    EXPECT_TRUE(run.events.empty());
}

TEST_F(EditedRelationship, OKWritesTheDescriptionsAndTypeAndFilesNothingAnew) {
    const auto orderLine = run.shop.Object("OrderLine");
    run.form.txtAssoc1Name_Change("belongs to");
    run.form.cmbRelType_GotFocus();
    run.form.cmbRelType_Click(1);
    run.form.cmdOK_Click();
    EXPECT_EQ(run.events, (Lines{"updated Relationship1"}));
    const auto& relationship = run.shop.application->Relationships()->Item("Relationship1");
    EXPECT_EQ(relationship->RelType(), "Reference");
    EXPECT_EQ(relationship->Associations()->Item(1)->Description(), "belongs to");
    EXPECT_EQ(relationship->Associations()->Count(), 2);
    EXPECT_EQ(run.shop.application->Relationships()->Count(), 1);
    EXPECT_EQ(orderLine->SourceAssociations()->Count(), 1);
    EXPECT_EQ(relationship->Associations()->Item(1)->SourceForeignProperties()->Count(), 1);
    // A reference no longer keeps the foreign key in the key.
    EXPECT_EQ(orderLine->KeyProperties()->Count(), 1);
    EXPECT_EQ(orderLine->KeyProperties()->Item(1)->Name(), "LineNo");
}

TEST(RelationshipPickers, OKWithoutASelectionRaisesNoEvent) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed{script};
    Shop shop;
    int events = 0;
    builder::frmSuppBusObj suppliers;
    suppliers.SetPotentialBusObjs({shop.Object("Order"), shop.Object("Order")});
    suppliers.OnBusinessObjSelected([&events](const auto&) { ++events; });
    script.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& picker = dynamic_cast<builder::frmSuppBusObj&>(dialog);
        EXPECT_EQ(picker.lblMessage1, "Select the BusinessObject that will be supplying the Foreign Key:");
        EXPECT_EQ(picker.lstBusObj.Items, (Lines{"Order", "Order"}));
        picker.cmdOK_Click();
    });
    suppliers.Show();
    EXPECT_EQ(events, 0);
    // Both ends of a recursive relationship name the same object: one event for each.
    script.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& picker = dynamic_cast<builder::frmSuppBusObj&>(dialog);
        picker.lstBusObj.ListIndex = 1;
        picker.cmdOK_Click();
    });
    suppliers.Show();
    EXPECT_EQ(events, 2);

    builder::frmMatchPropertiesPopUp properties;
    properties.SetMatchedProperty(shop.Property("Customer", "CustomerID"));
    properties.SetPotentialMatches({shop.Property("Order", "OrderID")});
    properties.OnPropSelectedfromSupBusObj([&events](const auto&) { ++events; });
    script.AnswerDialog([](ui::ModalDialog& dialog) {
        dynamic_cast<builder::frmMatchPropertiesPopUp&>(dialog).cmdOK_Click();
    });
    properties.Show();
    EXPECT_EQ(events, 2);
    EXPECT_FALSE(properties.IsLoaded());
}

}  // namespace
}  // namespace builder_test
