// Reporting an unexpected error through the error dialog and its details.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/frmErrorDetails.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/frmSplash.h"
#include "platform/ui/ScriptedInteraction.h"

namespace core {
namespace {

TEST(ErrorDialogs, ReportShowsTheMarkedErrorAndItsDetailsEachTime) {
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction useIt(interaction);
    std::vector<std::string> message;
    std::vector<std::pair<std::string, std::string>> details;
    const auto readDetails = [&](ui::ModalDialog& dialog) {
        auto& shown = dynamic_cast<frmErrorDetails&>(dialog);
        details.emplace_back(shown.txtNumber(), shown.txtSource());
    };
    interaction.AnswerDialog([&](ui::ModalDialog& dialog) {
        auto& shown = dynamic_cast<frmErrorDisplayUtil&>(dialog);
        message.push_back(shown.lblMessage());
        shown.cmdDetails_Click();
        shown.cmdDetails_Click();
    });
    interaction.AnswerDialog(readDetails);
    interaction.AnswerDialog(readDetails);

    vb::Error error(91, "Object variable or With block variable not set", "qelConstructor.BuildPattern");
    ReportUnexpectedError(error, "cmdGenerate_Click");

    EXPECT_EQ(message, std::vector<std::string>{
                           "VB Ostrel Internal Error - Object variable or With block variable not set"});
    const std::pair<std::string, std::string> expected{"91", "cmdGenerate_ClickqelConstructor.BuildPattern"};
    EXPECT_EQ(details, (std::vector<std::pair<std::string, std::string>>{expected, expected}));
    EXPECT_EQ(interaction.DialogsShown(),
              (std::vector<std::string>{"frmErrorDisplayUtil", "frmErrorDetails", "frmErrorDetails"}));
    EXPECT_EQ(error.Source(), "cmdGenerate_ClickqelConstructor.BuildPattern");
}

TEST(Splash, ShowsTheLibrarysVersion) {
    const std::string text = frmSplash::VersionText();
    const std::string prefix = OSTREL_TEST_VERSION_PREFIX;
    ASSERT_EQ(text.substr(0, prefix.size()), prefix);
    const std::string revision = text.substr(prefix.size());
    EXPECT_FALSE(revision.empty());
    EXPECT_EQ(revision.find_first_not_of("0123456789"), std::string::npos) << text;
}

}  // namespace
}  // namespace core
