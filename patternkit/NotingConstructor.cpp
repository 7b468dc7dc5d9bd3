#include "patternkit/NotingConstructor.h"

#include <utility>

#include "platform/vb/Text.h"

namespace patternkit {

void PlacedControls::Note(std::string_view controlName) {
    mNames.try_emplace(vb::LCase(controlName));
}

void PlacedControls::NoteMember(std::string_view controlName, ArrayMember member) {
    mNames[vb::LCase(controlName)] = std::move(member);
}

bool PlacedControls::Has(std::string_view controlName) const {
    return mNames.contains(vb::LCase(controlName));
}

const ArrayMember* PlacedControls::Member(std::string_view controlName) const {
    const auto found = mNames.find(vb::LCase(controlName));
    return found == mNames.end() || !found->second ? nullptr : &*found->second;
}

int32_t NotingConstructor::SetVBControl(const std::string& controlName, const std::string& guiId) {
    JoinPendingMember();
    const int32_t result = ForwardingConstructor::SetVBControl(controlName, guiId);
    if (result != typelib::Success)
        return result;
    mPlaced.Note(controlName);
    for (const std::string& prefix : mArrayPrefixes) {
        if (controlName.starts_with(prefix)) {
            mPending = PendingMember{controlName, {prefix, mNextIndex[prefix]++}};
            break;
        }
    }
    return result;
}

void NotingConstructor::JoinArrays(const std::vector<std::string_view>& prefixes) {
    JoinPendingMember();
    mArrayPrefixes.assign(prefixes.begin(), prefixes.end());
}

void NotingConstructor::JoinPendingMember() {
    if (!mPending)
        return;
    PendingMember pending = *std::exchange(mPending, std::nullopt);
    // The array's name is a bare prefix, which no control of its own takes: the engine refuses neither.
    ForwardingConstructor::SetVBControlProperty("Index", vb::Variant(pending.member.index));
    ForwardingConstructor::SetVBControlProperty("Name", vb::Variant(pending.member.array));
    mPlaced.NoteMember(pending.controlName, std::move(pending.member));
}

}  // namespace patternkit
