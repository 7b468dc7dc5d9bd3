// The renamed table or field chooser: both modes, the rows it lists, the flags of each way out, and its Qt
// form offscreen.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>

#include "platform/ui/ScriptedInteraction.h"
#include "schemaimport/frmAvailTablesorFields.h"
#include "tests/support/DialogPictures.h"

namespace schemaimport {
namespace {

using Names = std::vector<std::string>;

const std::vector<CatalogTable> kRows = {
    {"Orders", "TABLE"}, {"OrderView", "VIEW"}, {"MSysObjects", "SYSTEM TABLE"}, {"Order Lines", "TABLE"}};
const std::vector<CatalogColumn> kColumns = {{"ID", 3, 4, false}, {"Name", 200, 30, true}};

TEST(AvailTablesorFields, EachModeListsItsRows) {
    struct Case {
        const char* name;
        std::string table, field;
        std::string label;
        Names list;
    };
    const Case cases[] = {
        {"table mode lists TABLE rows only",
         "Customers",
         "",
         "Customers was re-named.  Please select the new name from the list of tables below:",
         {"Orders", "Order Lines"}},
        {"field mode lists every column",
         "",
         "CustName",
         "CustName was re-named.  Please select the new name from the list of fields below:",
         {"ID", "Name"}},
        {"table mode wins",
         "Customers",
         "CustName",
         "Customers was re-named.  Please select the new name from the list of tables below:",
         {"Orders", "Order Lines"}},
        {"neither leaves both empty", "", "", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmAvailTablesorFields form;
        form.SetTableReferences(c.table, kRows);
        form.SetFieldReferences(c.field, kColumns);
        form.Form_Load();
        EXPECT_EQ(form.lblText, c.label);
        EXPECT_EQ(form.lstTablesorFields.List, c.list);
        EXPECT_EQ(form.HelpContextID, 17);
        EXPECT_EQ(form.Caption, "Database Synchronization - Table Rename");
    }
}

TEST(AvailTablesorFields, TheWaysOutSetTheFlags) {
    struct Case {
        const char* name;
        std::function<void(frmAvailTablesorFields&)> act;
        bool ok, canceled, loaded;
        std::string selected;
    };
    const Case cases[] = {
        {"OK with a row",
         [](auto& f) {
             f.lstTablesorFields.ListIndex = 1;
             f.cmdOK_Click();
         },
         true, false, true, "Order Lines"},
        {"OK without a row", [](auto& f) { f.cmdOK_Click(); }, true, false, true, ""},
        {"Cancel",
         [](auto& f) {
             f.lstTablesorFields.ListIndex = 0;
             f.cmdCancel_Click();
         },
         false, true, false, "Orders"},
        {"close box", [](auto& f) { f.Form_Unload(); }, false, false, false, ""},
        {"closed unanswered", [](auto&) {}, false, false, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        script.AnswerDialog(
            [&](ui::ModalDialog& dialog) { c.act(dynamic_cast<frmAvailTablesorFields&>(dialog)); });
        frmAvailTablesorFields form;
        form.SetTableReferences("Customers", kRows);
        form.Show();
        EXPECT_EQ(form.OKClicked(), c.ok);
        EXPECT_EQ(form.IsCanceled(), c.canceled);
        EXPECT_EQ(form.IsLoaded(), c.loaded);
        EXPECT_EQ(form.SelectedTableorField(), c.selected);
        EXPECT_EQ(script.DialogsShown(), Names{"frmAvailTablesorFields"});
    }
}

// One dialog object shown twice loads afresh: the flags and the selection of the first showing are gone,
// the list is of the references last set.
TEST(AvailTablesorFields, EachShowingLoadsAfresh) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped(script);
    script.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& form = dynamic_cast<frmAvailTablesorFields&>(dialog);
        form.lstTablesorFields.ListIndex = 0;
        form.cmdCancel_Click();
    });
    script.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& form = dynamic_cast<frmAvailTablesorFields&>(dialog);
        EXPECT_EQ(form.lstTablesorFields.ListIndex, -1);
        EXPECT_EQ(form.lstTablesorFields.List, (Names{"Orders", "Order Lines"}));
        form.cmdHelp_Click();
    });
    frmAvailTablesorFields form;
    form.SetTableReferences("Customers", kRows);
    form.Show();
    ASSERT_TRUE(form.IsCanceled());
    form.SetTableReferences("Suppliers", {kRows[0], kRows[3]});
    form.Show();
    EXPECT_FALSE(form.IsCanceled());
    EXPECT_FALSE(form.OKClicked());
    EXPECT_EQ(form.lblText.substr(0, 9), "Suppliers");
    ASSERT_EQ(script.HelpShown().size(), 1u);
    EXPECT_EQ(script.HelpShown()[0].second, 17);
}

// The Qt form: label and list of the logic; a row picked and OK pressed by real clicks; the close box.
TEST(AvailTablesorFields, TheQtFormOpensOffscreen) {
    frmAvailTablesorFields form;
    form.SetFieldReferences("CustName", kColumns);
    form.Form_Load();
    testing_support::DriveModal(
        "Database Synchronization - Table Rename", "avail-tables-or-fields", [&] { form.ShowWidget(); },
        [](QDialog& dialog) {
            EXPECT_EQ(dialog.findChild<QLabel*>("lblText")->text().toStdString(),
                      "CustName was re-named.  Please select the new name from the "
                      "list of fields below:");
            auto* list = dialog.findChild<QListWidget*>("lstTablesorFields");
            ASSERT_EQ(list->count(), 2);
            list->setCurrentRow(1);
            testing_support::Press(dialog, QDialogButtonBox::Ok);
        });
    EXPECT_TRUE(form.OKClicked());
    EXPECT_EQ(form.SelectedTableorField(), "Name");

    form.Form_Load();
    testing_support::DriveModal(
        "Database Synchronization - Table Rename", "avail-tables-or-fields-closed",
        [&] { form.ShowWidget(); }, [](QDialog& dialog) { dialog.close(); });
    EXPECT_FALSE(form.OKClicked());
    EXPECT_FALSE(form.IsCanceled());
    EXPECT_FALSE(form.IsLoaded());
}

}  // namespace
}  // namespace schemaimport
