#include "patterns/tier3/PersistKeys.h"

#include "patterns/tier3/KeyOrder.h"
#include "recordlayout/RecordLayout.h"

namespace tier3 {

patternkit::PropertySet KeysInIndexOrder(const patternkit::PropertySet& properties) {
    for (const auto& property : properties) {
        if (patternkit::Required(property).IsKey() && !recordlayout::MemberLine(*property))
            vb::Raise(vb::kInvalidProcedureCall, {},
                      "The key property " + property->Name() + " of DataType " + property->DataType() +
                          " has no value in the record and cannot identify a row.");
    }
    return KeysInKeyIndexOrder(properties);
}

}  // namespace tier3
