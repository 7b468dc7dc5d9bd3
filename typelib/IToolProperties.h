#pragma once
// The add-in's own settings as the construction engine reads them.

#include <string>

#include "platform/vb/Object.h"

namespace typelib {

class IToolProperties : public vb::Object {
  public:
    // Folder of the form template files, ending with the path separator.
    virtual std::string FormTemplatePath() const = 0;
    // Folder of the repository database.
    virtual std::string ToolDBPath() const = 0;
    virtual std::string VersionNumber() const = 0;
    virtual std::string ReleaseNumber() const = 0;
};

}  // namespace typelib
