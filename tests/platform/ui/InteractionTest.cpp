#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include "platform/ui/QtInteraction.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/host/QtTestApplication.h"
#include "tests/support/NextModalWidget.h"

namespace {

class NamedDialog : public ui::ModalDialog {
  public:
    std::string DialogName() const override { return "frmTest"; }
    void ShowWidget() override {}
    bool confirmed = false;
};

TEST(Interaction, ScriptedMessageBoxAnswersAndRecords) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    script.AnswerMsgBox(ui::vbNo);
    EXPECT_EQ(ui::MsgBox("Save changes?", ui::vbYesNoCancel + ui::vbQuestion, "Question"), ui::vbNo);
    // An empty queue gives the default button.
    EXPECT_EQ(ui::MsgBox("Go on?", ui::vbYesNo + ui::vbDefaultButton2), ui::vbNo);
    EXPECT_EQ(ui::MsgBox("Done"), ui::vbOK);
    ASSERT_EQ(script.Prompts().size(), 3u);
    EXPECT_EQ(script.Prompts()[0].prompt, "Save changes?");
    EXPECT_EQ(script.Prompts()[0].buttons, ui::vbYesNoCancel + ui::vbQuestion);
    EXPECT_EQ(script.Prompts()[0].title, "Question");
    EXPECT_EQ(script.Prompts()[2].title, "VB Ostrel");
}

TEST(Interaction, DefaultButtons) {
    const struct {
        int32_t buttons;
        int32_t answer;
    } cases[] = {
        {ui::vbOKOnly, ui::vbOK},
        {ui::vbOKCancel + ui::vbDefaultButton2, ui::vbCancel},
        {ui::vbAbortRetryIgnore + ui::vbDefaultButton3, ui::vbIgnore},
        {ui::vbYesNoCancel, ui::vbYes},
        {ui::vbRetryCancel + ui::vbCritical, ui::vbRetry},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::DefaultButton(c.buttons), c.answer) << c.buttons;
}

// Escape and the close button answer a box with Cancel as Cancel and an OK box as OK; any other box stays
// open until one of its buttons is pressed (0 here).
TEST(Interaction, OnlyABoxWithCancelOrOKAloneIsAnsweredByEscapeOrItsCloseButton) {
    const std::pair<int32_t, int32_t> cases[] = {{ui::vbYesNo, 0},
                                                 {ui::vbAbortRetryIgnore, 0},
                                                 {ui::vbYesNoCancel, ui::vbCancel},
                                                 {ui::vbOKOnly, ui::vbOK}};
    for (const auto& [buttons, answer] : cases) {
        for (const bool escape : {true, false}) {
            bool stayed = false;
            testing_support::OnNextModalWidget([&](QWidget& box) {
                escape ? QTest::keyClick(&box, Qt::Key_Escape) : (void)box.close();
                if ((stayed = box.isVisible()))
                    qobject_cast<QMessageBox*>(&box)->buttons().front()->click();
            });
            const int32_t given = ui::QtInteraction().MsgBox("Go on?", buttons, "Question");
            EXPECT_EQ(stayed ? 0 : given, answer) << buttons << (escape ? " Escape" : " close");
        }
    }
}

TEST(Interaction, ScriptedDialogsAndPointer) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    script.AnswerDialog([](ui::ModalDialog& dialog) { static_cast<NamedDialog&>(dialog).confirmed = true; });
    NamedDialog first, second;
    ui::CurrentInteraction().ShowModal(first);
    ui::CurrentInteraction().ShowModal(second);  // nothing scripted: left as it is
    EXPECT_TRUE(first.confirmed);
    EXPECT_FALSE(second.confirmed);
    EXPECT_EQ(script.DialogsShown(), (std::vector<std::string>{"frmTest", "frmTest"}));
    ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Hourglass);
    EXPECT_EQ(script.Pointer(), ui::MousePointer::Hourglass);
}

TEST(Interaction, GuardRestoresThePreviousInteraction) {
    ui::ScriptedInteraction outer, inner;
    ui::ScopedInteraction first(outer);
    {
        ui::ScopedInteraction second(inner);
        EXPECT_EQ(&ui::CurrentInteraction(), &inner);
    }
    EXPECT_EQ(&ui::CurrentInteraction(), &outer);
}

}  // namespace
