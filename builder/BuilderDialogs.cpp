#include "builder/BuilderDialogs.h"

namespace builder {

std::unique_ptr<BuilderDialogs> MakeBuilderDialogs(frmBuilderMain& /*form*/) {
    return std::make_unique<BuilderDialogs>();
}

}  // namespace builder
