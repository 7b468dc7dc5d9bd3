#include "builder/DialogChecks.h"

#include "core/BuildCheck.h"
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
    return Refusal(item, core::ClassMembers(owner, edited).PropertyClash(name, dataType));
}

std::string KeyDataTypeRefusal(const core::qelBusinessObject& owner, const std::string& name,
                               const std::string& dataType) {
    return Refusal(core::MemberItem("Property", owner, name), core::KeyDataTypeFault(dataType));
}

std::string MethodNameRefusal(const core::qelBusinessObject& owner, const core::qelBusObjMethod* edited,
                              const std::string& name) {
    const std::string item = core::MemberItem("Method", owner, name);
    if (std::string fault = core::Common::VbNameFault(name); !fault.empty())
        return Refusal(item, fault);
    return Refusal(item, core::ClassMembers(owner, edited).TakeMethod(item, name));
}

bool Refused(const std::string& refusal) {
    if (refusal.empty())
        return false;
    ShowRefusal(refusal);
    return true;
}

}  // namespace builder
