#pragma once
// The security database that the run-time classes read: "security.mdb" in the add-in's folder, an Access
// or an SQLite file. The environment variable OSTREL_SECURITY_DATABASE, when set, names another file
// (classes created by ProgID take no arguments, so this is how a test or a site points them elsewhere).

#include <filesystem>
#include <memory>
#include <string>

#include "platform/dao/Database.h"
#include "platform/vb/Variant.h"

namespace runtime {

inline constexpr const char* kSecurityDatabaseVariable = "OSTREL_SECURITY_DATABASE";
inline constexpr const char* kSecurityDatabaseName = "security.mdb";

using DatabasePtr = std::shared_ptr<dao::Database>;

std::filesystem::path SecurityDatabasePath();

// Opens it shared and read-write (an Access file read-only); 3024 naming the path when it is missing.
DatabasePtr OpenSecurityDatabase();

// The database a query runs on; 91 when the client has set it to nothing.
dao::Database& Opened(const DatabasePtr& database);

// A value as VB's & joins it into text: Null and Empty give an empty text, an object is error 13.
std::string JoinedText(const vb::Variant& value);

}  // namespace runtime
