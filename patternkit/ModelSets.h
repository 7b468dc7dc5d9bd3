#pragma once
// The sets that the pattern library's Common procedures hand back: new vectors, owned by the caller,
// holding pointers to the model's own objects in model order (a picker's result: in the order picked).
// Nothing is copied but the pointer; the model objects stay owned by the add-in.

#include <memory>
#include <vector>

#include "platform/vb/Object.h"
#include "typelib/IBusinessObject.h"
#include "typelib/IProperty.h"

namespace patternkit {

using PropertySet = std::vector<std::shared_ptr<typelib::IProperty>>;
using BusinessObjectSet = std::vector<std::shared_ptr<typelib::IBusinessObject>>;

using vb::Required;

// Every item of a model collection, in its order.
template <typename Collection>
std::vector<typename Collection::value_type> AllOf(const Collection& collection) {
    return {collection.begin(), collection.end()};
}

}  // namespace patternkit
