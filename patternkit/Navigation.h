#pragma once
// From a business object to the business objects related to it, through its associations.
// Only associations of cardinality "One" lead anywhere; names and types are compared exactly.

#include <string_view>

#include "patternkit/ModelSets.h"
#include "typelib/IBusinessObject.h"

namespace patternkit::Common {

// The sources of its "Identifying" target associations: the business objects it contains (repeats kept).
BusinessObjectSet GetChildBusObjs(const typelib::IBusinessObject& businessObject);
// The targets of its "Identifying" source associations (repeats kept).
BusinessObjectSet GetParentBusObjs(const typelib::IBusinessObject& businessObject);
// The targets of its "Reference" and "Subtype" source associations, each name once (the first one found).
BusinessObjectSet GetReferenceBusObjs(const typelib::IBusinessObject& businessObject);

// The first item whose Name equals `name` exactly, or an empty pointer. Works on a model collection and
// on a set alike.
template <typename Items>
typename Items::value_type GetItemByName(const Items& items, std::string_view name) {
    for (const auto& item : items) {
        if (Required(item).Name() == name)
            return item;
    }
    return {};
}

}  // namespace patternkit::Common
