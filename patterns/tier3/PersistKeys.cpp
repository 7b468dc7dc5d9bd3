#include "patterns/tier3/PersistKeys.h"

#include "patterns/tier3/RecordLayout.h"
#include "platform/vb/Collection.h"

namespace tier3 {

patternkit::PropertySet KeysInIndexOrder(const patternkit::PropertySet& properties) {
    vb::Collection<std::shared_ptr<typelib::IProperty>> byIndex;
    for (const auto& property : properties) {
        if (!patternkit::Required(property).IsKey())
            continue;
        if (!MemberLine(*property))
            vb::Raise(vb::kInvalidProcedureCall, {},
                      "The key property " + property->Name() + " of DataType " + property->DataType() +
                          " has no value in the record and cannot identify a row.");
        byIndex.Add(property, std::to_string(property->KeyIndex()));
    }
    patternkit::PropertySet keys;
    for (int32_t index = 1; index <= byIndex.Count(); ++index)
        keys.push_back(byIndex.Item(std::to_string(index)));
    return keys;
}

}  // namespace tier3
