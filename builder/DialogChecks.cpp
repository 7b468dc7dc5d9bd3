#include "builder/DialogChecks.h"

#include "core/CommonModelQueries.h"
#include "core/CommonNames.h"
#include "core/GeneratedNames.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "platform/ui/Interaction.h"

namespace builder {
namespace {

std::string Refusal(const std::string& item, const std::string& rule) {
    return rule.empty() ? rule : item + ": " + rule;
}

// The members the class of `owner` takes from everything it has but `edited`, taken as the check takes
// them.
core::ClassMembers MembersBesides(const core::qelBusinessObject& owner, const void* edited) {
    core::ClassMembers members;
    for (const auto& property : *owner.Properties()) {
        const std::string& name = property->Name();
        if (property.get() != edited && core::Common::VbNameFault(name).empty())
            members.TakeProperty(core::MemberItem("Property", owner, name), name, property->DataType());
    }
    for (const auto& method : *owner.Methods()) {
        const std::string& name = method->Name();
        if (method.get() != edited && core::Common::VbNameFault(name).empty())
            members.TakeMethod(core::MemberItem("Method", owner, name), name);
    }
    for (const auto& child : core::Common::GetIdentifyingChildren(owner)) {
        if (child.get() != &owner)
            members.TakeChild(core::BusinessObjectItem(owner), child->Name());
    }
    return members;
}

}  // namespace

void ShowRefusal(const std::string& message) {
    ui::MsgBox(message, kErrorStyle, kErrorTitle);
}

void ShowInformation(const std::string& message) {
    ui::MsgBox(message, ui::vbInformation, kInformationTitle);
}

bool AcceptName(const std::string& typed, std::string& name) {
    name = vb::Trim(typed);
    std::string message;
    if (core::Common::ValidateName(name, message))
        return true;
    ShowRefusal(message);
    return false;
}

std::string BusinessObjectNameRefusal(const std::string& name) {
    core::qelBusinessObject named;
    named.SetName(name);
    return Refusal(core::BusinessObjectItem(named), core::BusinessObjectNameFault(name));
}

std::string PropertyNameRefusal(const core::qelBusinessObject& owner, const core::qelBusObjProperty* edited,
                                const std::string& name, const std::string& dataType) {
    const std::string item = core::MemberItem("Property", owner, name);
    if (std::string fault = core::Common::VbNameFault(name); !fault.empty())
        return Refusal(item, fault);
    return Refusal(item, MembersBesides(owner, edited).PropertyClash(name, dataType));
}

std::string MethodNameRefusal(const core::qelBusinessObject& owner, const core::qelBusObjMethod* edited,
                              const std::string& name) {
    const std::string item = core::MemberItem("Method", owner, name);
    if (std::string fault = core::Common::VbNameFault(name); !fault.empty())
        return Refusal(item, fault);
    return Refusal(item, MembersBesides(owner, edited).TakeMethod(item, name));
}

bool Refused(const std::string& refusal) {
    if (refusal.empty())
        return false;
    ShowRefusal(refusal);
    return true;
}

}  // namespace builder
