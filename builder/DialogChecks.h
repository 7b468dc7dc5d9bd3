#pragma once
// What the builder dialogs share when they check a person's entries: the boxes they refuse with, and the
// name rule with its duplicate test.

#include <cstdint>
#include <string>

#include "platform/vb/Text.h"

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
