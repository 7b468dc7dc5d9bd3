#pragma once
// What the builder dialogs share when they check a person's entries: the boxes they refuse with, the
// name rule with its duplicate test, and the names the check before a build would refuse.

#include <cstdint>
#include <string>

#include "platform/vb/Text.h"

namespace core {
class qelBusinessObject;
class qelBusObjMethod;
class qelBusObjProperty;
}  // namespace core

namespace builder {

// The style value the builder dialogs pass for their error boxes.
inline constexpr int32_t kErrorStyle = 10;
inline constexpr const char* kErrorTitle = "Error";
inline constexpr const char* kInformationTitle = "Information";

// A refusal: the message, style 10, title "Error".
void ShowRefusal(const std::string& message);
// A missing entry: the message, the information icon, title "Information".
void ShowInformation(const std::string& message);

// The typed name, trimmed and put through the name rule (blanks become "_"). A refused name shows the
// rule's message as a refusal and gives false.
bool AcceptName(const std::string& typed, std::string& name);

// Why the check before a build would refuse a business object named `name`, "<item>: <rule>" as the
// build's refusal lists it; empty when it would not.
std::string BusinessObjectNameRefusal(const std::string& name);
// The same for a property of `owner` named `name` of `dataType`, or a method of `owner` named `name`: its
// name as a VB name, then the names it gives the class beside those of the owner's other members (not
// `edited`, which the name replaces).
std::string PropertyNameRefusal(const core::qelBusinessObject& owner, const core::qelBusObjProperty* edited,
                                const std::string& name, const std::string& dataType);
std::string MethodNameRefusal(const core::qelBusinessObject& owner, const core::qelBusObjMethod* edited,
                              const std::string& name);
// The same for a key property of `owner` named `name` of `dataType`: a type whose value is not in the
// record cannot make a key.
std::string KeyDataTypeRefusal(const core::qelBusinessObject& owner, const std::string& name,
                               const std::string& dataType);
// Shows a non-empty refusal as a refusal and gives true; false for an empty one.
bool Refused(const std::string& refusal);

// Another item of `items` (not `edited`) already has `name`, letter case ignored.
template <typename Items, typename Item>
bool IsNameTaken(const Items& items, const std::string& name, const Item* edited) {
    for (const auto& item : items) {
        if (item.get() != edited && vb::TextEquals(item->Name(), name))
            return true;
    }
    return false;
}

}  // namespace builder
