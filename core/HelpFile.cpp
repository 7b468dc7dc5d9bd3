#include "core/HelpFile.h"

#include "core/AddInFolders.h"
#include "platform/ui/Interaction.h"

namespace core {

std::filesystem::path HelpFilePath() {
    return AddInFolder() / "Help" / "VBOstrel.hlp";
}

void ShowHelpTopic(int32_t context) {
    ui::CurrentInteraction().ShowHelp(HelpFilePath().string(), context);
}

}  // namespace core
