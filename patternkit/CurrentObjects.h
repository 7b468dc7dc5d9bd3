#pragma once
// The slots of a pattern's current objects: the engine reads them through the pattern's current-object
// getters while it resolves the tokens of a line, so a pattern sets the slot a line's tokens name before
// it writes the line.

#include <memory>

#include "typelib/IBusinessObject.h"
#include "typelib/IMethod.h"
#include "typelib/IProperty.h"

namespace patternkit {

struct CurrentObjects {
    std::shared_ptr<typelib::IBusinessObject> busObj;
    std::shared_ptr<typelib::IBusinessObject> parentBusObj;
    std::shared_ptr<typelib::IBusinessObject> childBusObj;
    std::shared_ptr<typelib::IBusinessObject> referenceBusObj;
    std::shared_ptr<typelib::IProperty> property;
    std::shared_ptr<typelib::IMethod> method;
};

}  // namespace patternkit
