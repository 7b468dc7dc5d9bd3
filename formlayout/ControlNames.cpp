#include "formlayout/ControlNames.h"

#include <unordered_set>

#include "platform/vb/Text.h"

namespace formlayout {

std::vector<std::string> FittedControlNames(const std::string& head, const std::vector<std::string>& tails) {
    std::unordered_set<std::string> taken;
    std::vector<std::string> names;
    names.reserve(tails.size());
    for (const std::string& tail : tails) {
        const std::string whole = head + tail;
        std::string name = vb::Left(whole, vb::kMaxNameLength);
        for (int number = 2; !taken.insert(vb::FoldCase(name)).second; ++number) {
            const std::string ending = "_" + std::to_string(number);
            name = vb::Left(whole, vb::kMaxNameLength - vb::Len(ending)) + ending;
        }
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace formlayout
