#pragma once
// The lines of a generated DBConnect that open the application's connection `cnnDataBase`: through the
// data source ("&AppDSN") with the user's identification, or the local Access file ("&AppLocalDBName"),
// each with the developer's edit point "DB Connect" before the connection opens.

#include <string_view>

#include "patternkit/Emitter.h"

namespace patternkit::Common {

// `userID` and `password` name the generated variables that hold what the user logged on with.
void WriteConnectionOpen(const Emitter& out, bool viaDataSource, std::string_view userID,
                         std::string_view password);

}  // namespace patternkit::Common
