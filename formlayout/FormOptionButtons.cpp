#include "formlayout/FormOptionButtons.h"

#include <algorithm>
#include <string>

#include "formlayout/ControlNames.h"
#include "formlayout/DetailRows.h"
#include "platform/vb/Error.h"
#include "platform/vb/Object.h"
#include "platform/vb/Text.h"

namespace formlayout {
namespace {

std::string Head(const typelib::IProperty& property) {
    return OptionButtonHead(vb::Trim(property.Name()));
}

}  // namespace

FormOptionButtons::FormOptionButtons(const std::vector<std::shared_ptr<typelib::IProperty>>& detail) {
    std::vector<const typelib::IProperty*> groups;
    ControlNameSet names;
    for (const auto& shared : detail) {
        const typelib::IProperty& property = vb::Required(shared);
        if (!IsOptionGroup(property) || !mGroups.emplace(&property, OptionButtonValues(property)).second)
            continue;
        groups.push_back(&property);
        for (const OptionButtonValue& value : mGroups.at(&property))
            names.Reserve(Head(property) + value.suffix);
    }
    for (const typelib::IProperty* property : groups) {
        const std::string head = Head(*property);
        for (OptionButtonValue& value : mGroups.at(property)) {
            const std::string name = names.Take(head + value.suffix);
            value.suffix = name.substr(std::min(head.size(), name.size()));
        }
    }
}

const std::vector<OptionButtonValue>& FormOptionButtons::Of(const typelib::IProperty& property) const {
    const auto group = mGroups.find(&property);
    if (group == mGroups.end())
        vb::Raise(vb::kInvalidProcedureCall);
    return group->second;
}

}  // namespace formlayout
