#include "formlayout/ControlNames.h"

#include <unordered_set>

#include "platform/vb/Object.h"
#include "platform/vb/Text.h"

namespace formlayout {

std::vector<std::string> FittedControlNames(const std::string& head, const std::vector<std::string>& tails,
                                            const std::vector<std::string>& taken) {
    std::unordered_set<std::string> used;
    for (const std::string& name : taken)
        used.insert(vb::FoldCase(name));
    std::vector<std::string> names;
    names.reserve(tails.size());
    for (const std::string& tail : tails) {
        const std::string whole = head + tail;
        std::string name = vb::Left(whole, vb::kMaxNameLength);
        for (int number = 2; !used.insert(vb::FoldCase(name)).second; ++number) {
            const std::string ending = "_" + std::to_string(number);
            name = vb::Left(whole, vb::kMaxNameLength - vb::Len(ending)) + ending;
        }
        names.push_back(std::move(name));
    }
    return names;
}

ContextFrameNames ContextFrameControlNames(const std::string& parentName,
                                           const std::vector<std::shared_ptr<typelib::IProperty>>& context,
                                           const std::vector<std::string>& taken) {
    std::vector<std::string> names;
    names.reserve(context.size());
    for (const auto& property : context)
        names.push_back(vb::Trim(vb::Required(property).Name()));
    return {FittedControlNames("lbl", names, taken),
            FittedControlNames("txt" + vb::Trim(parentName) + "_", names, taken)};
}

}  // namespace formlayout
