#include "builder/BuilderDialogs.h"

#include "builder/ModelItemDialogs.h"

namespace builder {

std::unique_ptr<BuilderDialogs> MakeBuilderDialogs(frmBuilderMain& form) {
    return std::make_unique<ModelItemDialogs>(form);
}

}  // namespace builder
