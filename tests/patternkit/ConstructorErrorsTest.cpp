// The continue question for every engine return code, and the answer it records.

#include <gtest/gtest.h>

#include "patternkit/ConstructorErrors.h"
#include "platform/ui/ScriptedInteraction.h"

namespace {

class ContinueQuestion : public ::testing::Test {
  protected:
    void SetUp() override { patternkit::Common::ResetContinueAnswerForTesting(); }
    void TearDown() override { patternkit::Common::ResetContinueAnswerForTesting(); }

    void Report(int16_t code, bool causeTold = false) {
        patternkit::Common::DisplayConstructorError(code, "Orders", "clsOrder", "txtName", causeTold);
    }

    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScope{mScript};
};

TEST_F(ContinueQuestion, EachFailureHasItsMessageAndButtons) {
    const struct {
        int16_t code;
        const char* prompt;
        int32_t buttons;
        bool causeTold = false;
    } cases[] = {
        {1, "The project: Orders does not exist.  Ending execution.", ui::vbOKOnly},
        {2,
         "The project: Orders could not be created. A project with the same name already exists or the name "
         "is "
         "not a valid Visual Basic name. Ending execution.",
         ui::vbOKOnly},
        {3,
         "The project: Orders could not be used.  Use the SetVBProject method before referencing a project "
         "in "
         "another method. Ending execution.",
         ui::vbOKOnly},
        {4,
         "The component: clsOrder could not be created. A component with the same name already exists or the "
         "name "
         "is not a valid Visual Basic name. Do you want to continue.",
         ui::vbYesNo},
        // The engine has told the cause (a broken marker, say): no other is guessed.
        {4, "The component: clsOrder could not be created. Do you want to continue.", ui::vbYesNo, true},
        {6,
         "The control: txtName could not be created. A control with the same name already exists, the name "
         "is not "
         "a valid Visual Basic name, or the ProgID is invalid. Do you want to continue.",
         ui::vbYesNo, true},
        {5,
         "The component: clsOrder could not be used. Use set SetVBComponent method before referencing a "
         "component "
         "in another method. Do you want to continue.",
         ui::vbYesNo},
        {6,
         "The control: txtName could not be created. A control with the same name already exists, the name "
         "is not "
         "a valid Visual Basic name, or the ProgID is invalid. Do you want to continue.",
         ui::vbYesNo},
        {7,
         "The control: txtName could not be used.  Use the SetVBControl method before referencing a control "
         "in "
         "another method. Do you want to continue.",
         ui::vbYesNo},
    };
    for (const auto& c : cases) {
        Report(c.code, c.causeTold);
        ASSERT_FALSE(mScript.Prompts().empty());
        const auto& shown = mScript.Prompts().back();
        EXPECT_EQ(shown.prompt, c.prompt) << c.code;
        EXPECT_EQ(shown.buttons, c.buttons) << c.code;
        EXPECT_EQ(shown.title, " Error!") << c.code;
    }
    EXPECT_EQ(mScript.Prompts().size(), std::size(cases));
}

TEST_F(ContinueQuestion, RecordsTheAnswer) {
    const struct {
        const char* what;
        int16_t code;
        int32_t scriptedAnswer;  // 0: no box expected
        int16_t answerBefore;    // set by a code-10 or code-0 report first; 0 leaves it at load state
        int16_t expected;
    } cases[] = {
        {"No to a component failure", 4, ui::vbNo, 0, ui::vbNo},
        {"Yes to a control failure", 6, ui::vbYes, 7, ui::vbYes},
        {"No to an unset control", 7, ui::vbNo, 6, ui::vbNo},
        {"a project failure keeps No", 1, ui::vbOK, 7, ui::vbNo},
        {"a project failure keeps Yes", 3, ui::vbOK, 6, ui::vbYes},
        {"a project failure at load keeps 0", 2, ui::vbOK, 0, 0},
        {"cancel records No silently", 10, 0, 6, ui::vbNo},
        {"start-up project not set records Yes silently", 8, 0, 7, ui::vbYes},
        {"project not saved records Yes silently", 9, 0, 7, ui::vbYes},
        {"success records Yes silently", 0, 0, 7, ui::vbYes},
    };
    for (const auto& c : cases) {
        patternkit::Common::ResetContinueAnswerForTesting();
        if (c.answerBefore != 0)
            Report(c.answerBefore == ui::vbNo ? 10 : 0);
        const size_t promptsBefore = mScript.Prompts().size();
        if (c.scriptedAnswer != 0)
            mScript.AnswerMsgBox(c.scriptedAnswer);
        Report(c.code);
        EXPECT_EQ(mScript.Prompts().size(), promptsBefore + (c.scriptedAnswer != 0 ? 1 : 0)) << c.what;
        EXPECT_EQ(patternkit::Common::ContinueAnswer(), c.expected) << c.what;
    }
}

}  // namespace
