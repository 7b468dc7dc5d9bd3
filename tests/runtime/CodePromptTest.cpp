#include <gtest/gtest.h>

#include <QListWidget>

#include <functional>
#include <string>
#include <vector>

#include "core/frmErrorDisplayUtil.h"
#include "platform/ui/ScriptedInteraction.h"
#include "runtime/frmCodePrompt.h"
#include "runtime/qelCodeTable.h"
#include "tests/runtime/SecurityFiles.h"
#include "tests/support/DialogPictures.h"

namespace runtime_test {
namespace {

using Entries = std::vector<std::string>;
using PersonAtTheForm = std::function<void(runtime::frmCodePrompt&)>;

class CodePromptTest : public BothFormatsTest {
  protected:
    // Prompts for `code` while `person` works the form; returns what Prompt returned.
    vb::Variant PromptWith(const vb::Variant& code, PersonAtTheForm person) {
        mInteraction.AnswerDialog([this, person](ui::ModalDialog& dialog) {
            auto& form = dynamic_cast<runtime::frmCodePrompt&>(dialog);
            mShown = form.lstCode();
            person(form);
        });
        runtime::qelCodeTable codes;
        return codes.Prompt(code);
    }

    ui::ScriptedInteraction mInteraction;
    ui::ScopedInteraction mUseInteraction{mInteraction};
    Entries mShown;
};

TEST_P(CodePromptTest, ReturnsTheEntryChosenWithOK) {
    const vb::Variant chosen = PromptWith("state", [](runtime::frmCodePrompt& form) {
        EXPECT_FALSE(form.cmdOKEnabled());
        form.lstCode_Click(0);
        form.lstCode_Click(1);
        EXPECT_TRUE(form.cmdOKEnabled());
        form.cmdOK_Click();
        EXPECT_TRUE(form.IsUnloaded());
    });
    EXPECT_EQ(mShown, (Entries{"NY", "NYC", "CA"}));
    EXPECT_EQ(chosen, vb::Variant("NYC"));
    EXPECT_EQ(mInteraction.DialogsShown(), std::vector<std::string>{"frmCodePrompt"});
    EXPECT_TRUE(mInteraction.Prompts().empty());
}

TEST_P(CodePromptTest, ListsValuesOfANameWithAQuote) {
    const vb::Variant chosen = PromptWith("Owner's", [](runtime::frmCodePrompt& form) {
        form.lstCode_Click(0);
        form.cmdOK_Click();
    });
    EXPECT_EQ(mShown, Entries{"X"});
    EXPECT_EQ(chosen, vb::Variant("X"));
}

TEST_P(CodePromptTest, ClosingWithoutOKReturnsAnEmptyString) {
    const vb::Variant chosen =
        PromptWith("State", [](runtime::frmCodePrompt& form) { form.lstCode_Click(2); });
    EXPECT_EQ(chosen, vb::Variant(""));
}

TEST_P(CodePromptTest, OKWithoutASelectionAsksForOneAndStaysOpen) {
    const vb::Variant chosen = PromptWith("Nowhere", [](runtime::frmCodePrompt& form) {
        form.cmdOK_Click();
        EXPECT_FALSE(form.IsUnloaded());
        EXPECT_EQ(form.SelectedCode(), vb::Variant(""));
    });
    EXPECT_TRUE(mShown.empty());
    ASSERT_EQ(mInteraction.Prompts().size(), 1u);
    EXPECT_EQ(mInteraction.Prompts()[0].prompt, "You must select a code value!");
    EXPECT_EQ(mInteraction.Prompts()[0].buttons, 64);
    EXPECT_EQ(mInteraction.Prompts()[0].title, "Information");
    EXPECT_EQ(chosen, vb::Variant(""));
}

TEST_P(CodePromptTest, AnInjectedNameListsNothing) {
    PromptWith("x' OR '1'='1", [](runtime::frmCodePrompt&) {});
    EXPECT_TRUE(mShown.empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, CodePromptTest, ::testing::Values(FileKind::Access, FileKind::Sqlite),
                         FileKindName);

TEST(CodePromptFormTest, ANullValueFailsTheLoad) {
    dao::RowSet codes({"Code", "Value"});
    codes.Append({"State", "NY"});
    codes.Append({"State", vb::Variant::Null()});
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction use(interaction);
    runtime::frmCodePrompt form;
    form.SetRefToCodes(codes);
    try {
        form.Show();
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kInvalidUseOfNull);
    }
    EXPECT_TRUE(interaction.DialogsShown().empty());
}

TEST(CodePromptFormTest, AClickOutsideTheListSelectsNothing) {
    dao::RowSet codes({"Code", "Value"});
    codes.Append({"State", "NY"});
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction use(interaction);
    runtime::frmCodePrompt form;
    form.SetRefToCodes(codes);
    form.Show();
    for (int32_t index : {-1, 1}) {
        EXPECT_THROW(form.lstCode_Click(index), vb::Error);
        EXPECT_EQ(form.ListIndex(), -1);
        EXPECT_FALSE(form.cmdOKEnabled());
    }
}

}  // namespace
// The Qt form, pictured: OK stays off until a code is picked, and then takes it.
TEST(CodePromptFormTest, TheQtFormTakesThePickedCodeWithOK) {
    dao::RowSet codes({"Code", "Value"});
    codes.Append({"State", "NY"});
    codes.Append({"State", "CA"});
    ui::QtInteraction qt;
    ui::ScopedInteraction use(qt);
    runtime::frmCodePrompt form;
    form.SetRefToCodes(codes);
    testing_support::DriveModal(
        runtime::frmCodePrompt::kCaption, "frmCodePrompt", [&] { form.Show(); },
        [](QDialog& dialog) {
            auto* row = dialog.findChild<QDialogButtonBox*>();
            ASSERT_NE(row, nullptr);
            QPushButton* ok = row->button(QDialogButtonBox::Ok);
            ASSERT_NE(ok, nullptr);
            EXPECT_FALSE(ok->isEnabled());
            auto* list = dialog.findChild<QListWidget*>();
            ASSERT_NE(list, nullptr);
            list->item(1)->setSelected(true);
            EXPECT_TRUE(ok->isEnabled());
            ok->click();
        });
    EXPECT_EQ(form.SelectedCode(), vb::Variant("CA"));
    EXPECT_TRUE(form.IsUnloaded());
}

}  // namespace runtime_test
