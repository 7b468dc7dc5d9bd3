#include "builder/ImportCommands.h"

namespace builder {

std::unique_ptr<ImportCommands> MakeImportCommands(frmBuilderMain& /*form*/) {
    return nullptr;
}

}  // namespace builder
