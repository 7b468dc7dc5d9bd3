#pragma once
// The last lines of every generated class and form module: the hint and the module's closing edit point,
// whose end line carries no name (the engine matches it by its marker alone).

#include "patternkit/Emitter.h"

namespace patternkit {

void WriteClosingEditPoint(const Emitter& out);

}  // namespace patternkit
