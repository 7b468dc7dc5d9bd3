#include "patternkit/NotingConstructor.h"

#include "platform/vb/Text.h"

namespace patternkit {

void PlacedControls::Note(std::string_view controlName) {
    mNames.insert(vb::LCase(controlName));
}

bool PlacedControls::Has(std::string_view controlName) const {
    return mNames.contains(vb::LCase(controlName));
}

int32_t NotingConstructor::SetVBControl(const std::string& controlName, const std::string& guiId) {
    const int32_t result = ForwardingConstructor::SetVBControl(controlName, guiId);
    if (result == typelib::Success)
        mPlaced.Note(controlName);
    return result;
}

}  // namespace patternkit
