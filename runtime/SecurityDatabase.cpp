#include "runtime/SecurityDatabase.h"

#include <cstdlib>

#include "core/AddInFolders.h"
#include "platform/vb/Error.h"

namespace runtime {

std::filesystem::path SecurityDatabasePath() {
    if (const char* file = std::getenv(kSecurityDatabaseVariable); file != nullptr && *file != '\0')
        return file;
    return core::AddInFolder() / kSecurityDatabaseName;
}

DatabasePtr OpenSecurityDatabase() {
    return dao::OpenDatabase(SecurityDatabasePath(), dao::OpenMode::ReadWrite);
}

dao::Database& Opened(const DatabasePtr& database) {
    if (!database)
        vb::Raise(vb::kObjectNotSet);
    return *database;
}

std::string JoinedText(const vb::Variant& value) {
    return value.IsNull() ? std::string() : value.ToString();
}

}  // namespace runtime
