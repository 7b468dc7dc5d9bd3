#include "core/qelToolProperties.h"

#include "core/AddInFolders.h"

namespace core {

qelToolProperties::qelToolProperties()
    : mFormTemplatePath((AddInFolder() / "").string()), mToolDBPath(UserDataFolder().string()) {}

}  // namespace core
