#pragma once

namespace core {

// The add-in's application title: message-box titles and the settings it keeps.
inline constexpr const char* kAddInTitle = "VB Ostrel";

// The settings store's application name under which the add-in keeps its settings.
inline constexpr const char* kAddInSettingsApplication = "Microsoft Visual Basic AddIns";

}  // namespace core
