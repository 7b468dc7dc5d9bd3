#include "core/CommonStatus.h"

#include <string>
#include <vector>

#include "core/AddInTitle.h"
#include "core/DatabaseErrors.h"
#include "core/StatusSink.h"
#include "platform/ui/Interaction.h"
#include "platform/ui/Settings.h"

namespace core::Common {
namespace {

constexpr const char* kNewLine = "\r\n";

std::string DescribeEach(const std::vector<DatabaseError>& errors) {
    std::string text;
    for (const auto& error : errors) {
        if (!text.empty())
            text += kNewLine;
        text += "Number: " + std::to_string(error.number) + kNewLine + "Description: " + error.description +
                kNewLine + "Source: " + error.source + kNewLine;
    }
    return text;
}

}  // namespace

void SetStatus(const std::string& text, bool wait) {
    std::string shown = text;
    if (text.empty()) {
        ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
        shown = "Ready";
    } else if (wait) {
        shown += ", please wait...";
    }
    if (StatusSink* sink = CurrentStatusSink())
        sink->ShowStatusText(shown);
}

std::string GetAddInSetting(const std::string& key, const std::string& defaultValue) {
    return ui::GetSetting(kAddInSettingsApplication, kAddInTitle, key, defaultValue);
}

void ShowError(const vb::Error& pending) {
    SetStatus("", false);
    std::string message = std::string("The following Error occurred:") + kNewLine + kNewLine +
                          pending.Description() + kNewLine + "Number: " + std::to_string(pending.Number());
    ui::CurrentInteraction().Beep();

    const std::vector<DatabaseError> engineErrors = DatabaseErrors();
    if (engineErrors.empty() || engineErrors.front().number != pending.Number()) {
        ui::MsgBox(message, ui::vbOKOnly);
        return;
    }
    message += std::string(kNewLine) + kNewLine + "Display the Data Access Errors Collection?";
    if (ui::MsgBox(message, ui::vbYesNo + ui::vbQuestion) == ui::vbYes) {
        ui::MsgBox(DescribeEach(engineErrors), ui::vbOKOnly);
    }
}

}  // namespace core::Common
