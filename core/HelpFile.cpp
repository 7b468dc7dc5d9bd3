#include "core/HelpFile.h"

#include <dlfcn.h>

#include "platform/ui/Interaction.h"

namespace core {

std::filesystem::path AddInFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&AddInFolder), &info) == 0 || info.dli_fname == nullptr) {
        return std::filesystem::current_path();
    }
    return std::filesystem::absolute(info.dli_fname).parent_path();
}

std::filesystem::path HelpFilePath() {
    return AddInFolder() / "Help" / "VBOstrel.hlp";
}

void ShowHelpTopic(int32_t context) {
    ui::CurrentInteraction().ShowHelp(HelpFilePath().string(), context);
}

}  // namespace core
