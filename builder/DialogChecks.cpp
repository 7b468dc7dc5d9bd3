#include "builder/DialogChecks.h"

#include "core/CommonNames.h"
#include "platform/ui/Interaction.h"

namespace builder {

void ShowRefusal(const std::string& message) {
    ui::MsgBox(message, kErrorStyle, kErrorTitle);
}

void ShowInformation(const std::string& message) {
    ui::MsgBox(message, ui::vbInformation, kInformationTitle);
}

bool AcceptName(const std::string& typed, std::string& name) {
    name = vb::Trim(typed);
    std::string message;
    if (core::Common::ValidateName(name, message))
        return true;
    ShowRefusal(message);
    return false;
}

}  // namespace builder
