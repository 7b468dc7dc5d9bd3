#include "patterns/tier3/KeyOrder.h"

#include "platform/vb/Collection.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Text.h"

namespace tier3 {
namespace {

std::string KeyText(double number) {
    return vb::Trim(vb::Str(number));
}

}  // namespace

patternkit::PropertySet KeysInKeyIndexOrder(const patternkit::PropertySet& properties) {
    vb::Collection<std::shared_ptr<typelib::IProperty>> keys;
    for (const auto& property : properties) {
        if (patternkit::Required(property).IsKey())
            keys.Add(property, KeyText(property->KeyIndex()));
    }
    patternkit::PropertySet ordered;
    ordered.reserve(static_cast<size_t>(keys.Count()));
    for (int32_t index = 1; index <= keys.Count(); ++index)
        ordered.push_back(keys.Item(KeyText(index)));
    return ordered;
}

}  // namespace tier3
