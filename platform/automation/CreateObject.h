#pragma once
// Creation by ProgID. The class registry is a folder of files, one a library, each line
// "ProgID=library path"; it lies beside the runtime's libraries ("classes"), or where the environment
// variable OSTREL_CLASS_REGISTRY points. A library is loaded once and stays loaded.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/vb/Error.h"
#include "platform/vb/Object.h"

namespace automation {

std::filesystem::path ClassRegistryFolder();

// Raises 429 for an unknown ProgID, a library that does not load or a library that does not know the ProgID.
vb::ObjectPtr CreateObject(std::string_view progId);

// CreateObject, then the interface the caller needs; 13 when the object does not have it.
template <typename Interface>
std::shared_ptr<Interface> CreateObjectAs(std::string_view progId) {
    auto object = std::dynamic_pointer_cast<Interface>(CreateObject(progId));
    if (!object)
        vb::Raise(vb::kTypeMismatch, progId);
    return object;
}

// Writes the registry file of one library: every ProgID of its class table. Used by the build.
void RegisterLibrary(const std::filesystem::path& library, const std::filesystem::path& registryFolder);

}  // namespace automation
