#include "core/qelToolProperties.h"

#include "core/AddInFolders.h"
#include "platform/dao/UserDataFolder.h"

namespace core {

qelToolProperties::qelToolProperties()
    : mFormTemplatePath((AddInFolder() / "").string()), mToolDBPath(dao::UserDataFolder().string()) {}

}  // namespace core
