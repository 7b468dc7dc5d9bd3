// The item picker's moves, and the four property pickers answered OK, Cancel or by the close box.

#include <gtest/gtest.h>

#include "patternkit/PropertyPickers.h"
#include "patternkit/frmErrorDisplayUtil.h"
#include "patternkit/frmImportSelection.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/patternkit/ModelDoubles.h"
#include "tests/support/DialogPictures.h"

namespace {

using patternkit::frmImportSelection;
using Names = std::vector<std::string>;

Names NamesOf(const patternkit::PropertySet& set) {
    Names names;
    for (const auto& item : set)
        names.push_back(item->Name());
    return names;
}

class Picker : public ::testing::Test {
  protected:
    void SetUp() override {
        mItem = model.AddBusinessObject("Item");
        model.AddProperty(*mItem, "A");
        model.AddProperty(*mItem, "B", "Memo");
        model.AddProperty(*mItem, "C");
        mPicker.SetAvailableItems(mItem->properties->items);
        mPicker.SetMessage("Pick");
        mPicker.SetCaption("Select Items");
    }

    // Highlights the available row showing `name` and moves it right.
    void PickRight(const std::string& name) {
        const Names rows = mPicker.AvailableRows();
        mPicker.SetAvailableListIndex(
            static_cast<int32_t>(std::find(rows.begin(), rows.end(), name) - rows.begin()));
        mPicker.cmdMoveTables_Click(frmImportSelection::MoveOneRight);
    }

    testing_support::FakeModel model;
    std::shared_ptr<testing_support::FakeBusinessObject> mItem;
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScope{mScript};
    frmImportSelection mPicker;
};

TEST_F(Picker, SelectedItemsKeepThePickOrderAndMovedBackItemsGoLast) {
    PickRight("C");
    PickRight("A");
    EXPECT_EQ(mPicker.SelectedRows(), (Names{"C", "A"}));
    mPicker.SetSelectedListIndex(0);
    mPicker.lstSelectedItems_DblClick();
    EXPECT_EQ(mPicker.AvailableRows(), (Names{"B", "C"}));
    EXPECT_EQ(NamesOf(mPicker.SelectedItems()), (Names{"A"}));
    EXPECT_EQ(mPicker.SelectedItems().front(), mItem->properties->items[0]);
}

TEST_F(Picker, MovingHighlightsTheSameRowOrTheNewLastOne) {
    mPicker.SetAvailableListIndex(0);
    mPicker.lstAvailableItems_DblClick();
    EXPECT_EQ(mPicker.AvailableListIndex(), 0);
    mPicker.SetAvailableListIndex(1);
    mPicker.cmdMoveTables_Click(frmImportSelection::MoveOneRight);
    EXPECT_EQ(mPicker.AvailableListIndex(), 0);
    mPicker.cmdMoveTables_Click(frmImportSelection::MoveOneRight);
    EXPECT_EQ(mPicker.AvailableListIndex(), -1);
    EXPECT_EQ(mPicker.SelectedRows(), (Names{"A", "C", "B"}));
}

TEST_F(Picker, MovesWithNothingToMoveChangeNothing) {
    mPicker.cmdMoveTables_Click(frmImportSelection::MoveOneRight);  // no row highlighted
    mPicker.cmdMoveTables_Click(frmImportSelection::MoveAllLeft);   // nothing selected
    EXPECT_EQ(mPicker.AvailableRows(), (Names{"A", "B", "C"}));
    EXPECT_TRUE(mPicker.SelectedRows().empty());
}

TEST_F(Picker, MoveAllAppendsInAvailableOrder) {
    PickRight("B");
    mPicker.cmdMoveTables_Click(frmImportSelection::MoveAllRight);
    EXPECT_EQ(mPicker.SelectedRows(), (Names{"B", "A", "C"}));
    EXPECT_TRUE(mPicker.AvailableRows().empty());
    mPicker.cmdMoveTables_Click(frmImportSelection::MoveAllRight);
    EXPECT_EQ(mPicker.SelectedRows().size(), 3u);
}

// The pickers, each with the answer a person gives in the dialog.
class PropertyPickers : public ::testing::Test {
  protected:
    void SetUp() override {
        mOrder = model.AddBusinessObject("Order");
        model.AddProperty(*mOrder, "OrderID")->isKey = true;
        model.AddProperty(*mOrder, "Notes", "Memo");
        model.AddProperty(*mOrder, "Photo", "OLE Object");
        model.AddProperty(*mOrder, "Total", "Currency")->isVirtual = true;
    }

    testing_support::FakeModel model;
    std::shared_ptr<testing_support::FakeBusinessObject> mOrder;
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScope{mScript};
};

TEST_F(PropertyPickers, OkGivesThePicksAndOtherwiseTheDefaultSet) {
    using Pick = std::function<void(frmImportSelection&)>;
    using Picker = patternkit::PropertySet (*)(const typelib::IBusinessObject&, const std::string&);
    const Pick pickTotalThenNotes = [](frmImportSelection& dialog) {
        dialog.SetAvailableListIndex(3);
        dialog.cmdMoveTables_Click(frmImportSelection::MoveOneRight);
        dialog.SetAvailableListIndex(1);
        dialog.cmdMoveTables_Click(frmImportSelection::MoveOneRight);
        dialog.cmdOK_Click();
    };
    const Pick okWithNothing = [](frmImportSelection& dialog) { dialog.cmdOK_Click(); };
    const Pick cancelAfterPicking = [](frmImportSelection& dialog) {
        dialog.cmdMoveTables_Click(frmImportSelection::MoveAllRight);
        dialog.cmdCancel_Click();
    };
    const Pick closeBox = [](frmImportSelection&) {};
    const struct {
        const char* what;
        Picker picker;
        const char* caption;
        Pick answer;
        Names expected;
    } cases[] = {
        {"detail, OK",
         patternkit::Common::PromptDetailProperties,
         "Select Detail Form Properties",
         pickTotalThenNotes,
         {"Total", "Notes"}},
        {"detail, Cancel",
         patternkit::Common::PromptDetailProperties,
         "Select Detail Form Properties",
         cancelAfterPicking,
         {"OrderID", "Notes", "Total"}},
        {"list, OK with nothing",
         patternkit::Common::PromptListProperties,
         "Select List Properties",
         okWithNothing,
         {}},
        {"list, close box",
         patternkit::Common::PromptListProperties,
         "Select List Properties",
         closeBox,
         {"OrderID", "Total"}},
        {"search, Cancel",
         patternkit::Common::PromptSearchProperties,
         "Select Search Properties",
         cancelAfterPicking,
         {"OrderID"}},
        {"context, OK",
         patternkit::Common::PromptContextProperties,
         "Select Context Properties",
         pickTotalThenNotes,
         {"Total", "Notes"}},
        {"context, close box",
         patternkit::Common::PromptContextProperties,
         "Select Context Properties",
         closeBox,
         {"OrderID"}},
    };
    for (const auto& c : cases) {
        std::string caption, message;
        mScript.AnswerDialog([&](ui::ModalDialog& dialog) {
            auto& picker = dynamic_cast<frmImportSelection&>(dialog);
            caption = picker.Caption();
            message = picker.MessageText();
            EXPECT_EQ(picker.AvailableRows(), (Names{"OrderID", "Notes", "Photo", "Total"}));
            c.answer(picker);
        });
        EXPECT_EQ(NamesOf(c.picker(*mOrder, "Choose the properties")), c.expected) << c.what;
        EXPECT_EQ(caption, c.caption) << c.what;
        EXPECT_EQ(message, "Choose the properties") << c.what;
    }
    EXPECT_EQ(mScript.DialogsShown().size(), std::size(cases));
}

TEST_F(PropertyPickers, ShowTheArrowDuringABuildAndPutTheHourglassBack) {
    mScript.SetMousePointer(ui::MousePointer::Hourglass);
    ui::MousePointer whileShown = ui::MousePointer::Hourglass;
    mScript.AnswerDialog([&](ui::ModalDialog&) { whileShown = mScript.Pointer(); });
    patternkit::Common::PromptListProperties(*mOrder, "");
    EXPECT_EQ(whileShown, ui::MousePointer::Default);
    EXPECT_EQ(mScript.Pointer(), ui::MousePointer::Hourglass);
}

TEST_F(PropertyPickers, AnItemThatCannotBeReadIsReportedInTheErrorDialog) {
    mOrder->properties->items.push_back(nullptr);
    std::string reported;
    mScript.AnswerDialog([&](ui::ModalDialog& dialog) {
        reported = dynamic_cast<patternkit::frmErrorDisplayUtil&>(dialog).Message();
    });
    mScript.AnswerDialog(
        [](ui::ModalDialog& dialog) { dynamic_cast<frmImportSelection&>(dialog).cmdOK_Click(); });
    EXPECT_TRUE(patternkit::Common::PromptListProperties(*mOrder, "").empty());
    EXPECT_EQ(reported, "VB Ostrel Internal Error - Object variable or With block variable not set");
    EXPECT_EQ(mScript.DialogsShown(), (Names{"frmErrorDisplayUtil", "frmImportSelection"}));
}

// The Qt forms, pictured: the picker's row takes OK or Cancel, the error dialog closes by OK.
TEST_F(Picker, TheQtFormAnswersThroughItsButtonRow) {
    ui::QtInteraction qt;
    ui::ScopedInteraction useIt(qt);
    for (const auto& [button, expectOK] :
         {std::pair{QDialogButtonBox::Ok, true}, std::pair{QDialogButtonBox::Cancel, false}}) {
        mPicker.SetCaption("Select Items");
        PickRight("C");
        testing_support::DriveModal(
            "Select Items", "frmImportSelection", [&] { mPicker.Show(); },
            [&](QDialog& dialog) {
                auto* row = dialog.findChild<QDialogButtonBox*>();
                ASSERT_NE(row, nullptr);
                EXPECT_EQ(row->standardButtons(),
                          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
                testing_support::Press(dialog, button);
            });
        EXPECT_EQ(mPicker.OKClicked(), expectOK);
        EXPECT_EQ(mPicker.CancelClicked(), !expectOK);
    }
    patternkit::frmErrorDisplayUtil error(vb::Error(5, "No such property"));
    testing_support::DriveModal(
        "Error!", "frmErrorDisplayUtil-patterns", [&] { error.Show(); },
        [](QDialog& dialog) { testing_support::Press(dialog, QDialogButtonBox::Ok); });
}

}  // namespace
