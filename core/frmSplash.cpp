#include "core/frmSplash.h"

namespace core {

std::string frmSplash::VersionText() {
    return "Version " + std::to_string(OSTREL_VERSION_MAJOR) + "." + std::to_string(OSTREL_VERSION_MINOR) +
           "." + std::to_string(OSTREL_VERSION_PATCH);
}

}  // namespace core
