#pragma once
// The key properties of a business object in KeyIndex order, the order of the values in an ObjectID.

#include "patternkit/ModelSets.h"

namespace tier3 {

// The properties with IsKey, ordered by KeyIndex 1..n. Two keys with one KeyIndex raise 457; a gap in
// the numbering raises 9 (the missing number is looked up and not found).
patternkit::PropertySet KeysInKeyIndexOrder(const patternkit::PropertySet& properties);

}  // namespace tier3
