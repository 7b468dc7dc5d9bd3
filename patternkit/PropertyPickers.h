#pragma once
// The developer picks a business object's properties for a generated form in the item picker. OK gives
// the properties picked, in the order picked (possibly none); Cancel or the close box gives the default
// set of the same business object.

#include <string>

#include "patternkit/ModelSets.h"
#include "typelib/IBusinessObject.h"

namespace patternkit::Common {

// Captioned "Select Detail Form Properties"; default GetDetailProperties.
PropertySet PromptDetailProperties(const typelib::IBusinessObject& businessObject,
                                   const std::string& message);
// "Select List Properties"; default GetListProperties.
PropertySet PromptListProperties(const typelib::IBusinessObject& businessObject, const std::string& message);
// "Select Search Properties"; default GetSearchProperties.
PropertySet PromptSearchProperties(const typelib::IBusinessObject& businessObject,
                                   const std::string& message);
// "Select Context Properties"; default GetContextProperties.
PropertySet PromptContextProperties(const typelib::IBusinessObject& businessObject,
                                    const std::string& message);

}  // namespace patternkit::Common
