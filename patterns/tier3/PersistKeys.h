#pragma once
// The key properties of a business object as the persistence class identifies a row by them.

#include "patternkit/ModelSets.h"

namespace tier3 {

// The key properties in KeyIndex order 1 to n. A KeyIndex given twice raises 457 and a gap raises 9, as
// the keyed collection they are gathered in does. A key without a value in the record (Memo, OLE Object,
// an unknown type) cannot identify a row: error 5.
patternkit::PropertySet KeysInIndexOrder(const patternkit::PropertySet& properties);

}  // namespace tier3
