#pragma once
// The add-in's shared procedures that reach the person: the status text, the add-in's settings and the
// error box for failures around data sources.

#include <string>

#include "platform/vb/Error.h"

namespace core::Common {

// A text shows in the main window's status bar, followed by ", please wait..." when `wait`; an empty text
// shows "Ready" and returns the screen's pointer to the default. The pointer is never made the hourglass
// here.
void SetStatus(const std::string& text, bool wait);

// The per-user setting `key` of the add-in under "Microsoft Visual Basic AddIns", or `defaultValue`.
std::string GetAddInSetting(const std::string& key, const std::string& defaultValue);

// Reports `pending` in a message box, offering the database engine's error list when its first error is
// the same failure. The error itself is left as it is.
void ShowError(const vb::Error& pending);

}  // namespace core::Common
