#include "formlayout/ControlNames.h"

#include "formlayout/FormControls.h"
#include "platform/vb/Limits.h"
#include "platform/vb/Object.h"
#include "platform/vb/Text.h"

namespace formlayout {

ControlNameSet::ControlNameSet(const std::vector<std::string>& taken) {
    for (const std::string& name : taken)
        mTaken.insert(vb::FoldCase(name));
}

void ControlNameSet::Reserve(const std::string& name) {
    mReserved.insert(vb::FoldCase(vb::Left(name, vb::kMaxNameLength)));
}

std::string ControlNameSet::Take(const std::string& whole) {
    std::string name = vb::Left(whole, vb::kMaxNameLength);
    const auto free = [&](bool numbered) {
        const std::string folded = vb::FoldCase(name);
        return !mTaken.contains(folded) && !(numbered && mReserved.contains(folded));
    };
    for (int number = 2; !free(number > 2); ++number) {
        const std::string ending = "_" + std::to_string(number);
        name = vb::Left(whole, vb::kMaxNameLength - vb::Len(ending)) + ending;
    }
    mTaken.insert(vb::FoldCase(name));
    return name;
}

std::vector<std::string> FittedControlNames(const std::string& head, const std::vector<std::string>& tails,
                                            const std::vector<std::string>& taken) {
    ControlNameSet used(taken);
    std::vector<std::string> names;
    names.reserve(tails.size());
    for (const std::string& tail : tails)
        names.push_back(used.Take(head + tail));
    return names;
}

ContextFrameNames ContextFrameControlNames(const std::string& parentName,
                                           const std::vector<std::shared_ptr<typelib::IProperty>>& context,
                                           const std::vector<std::string>& taken) {
    std::vector<std::string> names;
    names.reserve(context.size());
    for (const auto& property : context)
        names.push_back(vb::Trim(vb::Required(property).Name()));
    return {FittedControlNames(std::string(kLabelPrefix), names, taken),
            FittedControlNames(std::string(kTextBoxPrefix) + vb::Trim(parentName) + "_", names, taken)};
}

}  // namespace formlayout
