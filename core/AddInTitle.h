#pragma once

namespace core {

// The add-in's application title: message-box titles and the settings it keeps.
inline constexpr const char* kAddInTitle = "VB Ostrel";

}  // namespace core
