#pragma once
// The banner at the head of every generated component.

#include "typelib/IConstructor.h"

namespace patternkit::Common {

// Seven lines through the engine's Code, the date and time of now among them.
void WriteCodeHeader(typelib::IConstructor& engine);

}  // namespace patternkit::Common
