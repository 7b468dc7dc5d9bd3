#include "patterns/tier3/ClosingEditPoint.h"

#include "patternkit/Emitter.h"

namespace tier3 {

void WriteClosingEditPoint(GeneratorContext& context) {
    // The end line carries no name: the engine matches it by its marker alone.
    context.Out().Emit(R"vb(
        |'|||  Add new subs and functions here
        |{{Start}}Additional Subs and Functions
        |{{End}}¶
    )vb");
}

}  // namespace tier3
