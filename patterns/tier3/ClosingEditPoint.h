#pragma once
// The last lines of every generated layer-2 class: the hint and the module's closing edit point.

#include "patterns/tier3/GeneratorContext.h"

namespace tier3 {

void WriteClosingEditPoint(GeneratorContext& context);

}  // namespace tier3
