#include "core/AddInFolders.h"

#include <dlfcn.h>

namespace core {

std::filesystem::path AddInFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&AddInFolder), &info) == 0 || info.dli_fname == nullptr) {
        return std::filesystem::current_path();
    }
    return std::filesystem::absolute(info.dli_fname).parent_path();
}

}  // namespace core
