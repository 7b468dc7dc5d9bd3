#pragma once
// The key properties of a business object as the persistence class identifies a row by them.

#include "patternkit/ModelSets.h"

namespace tier3 {

// The key properties in KeyIndex order (KeysInKeyIndexOrder, with its errors), after a check that each
// can identify a row: a key without a value in the record (Memo, OLE Object, an unknown type) raises 5.
patternkit::PropertySet KeysInIndexOrder(const patternkit::PropertySet& properties);

}  // namespace tier3
