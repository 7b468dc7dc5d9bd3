#include "patternkit/ClosingEditPoint.h"

namespace patternkit {

void WriteClosingEditPoint(const Emitter& out) {
    out.Emit(R"vb(
        |'|||  Add new subs and functions here
        |{{Start}}Additional Subs and Functions
        |{{End}}¶
    )vb");
}

}  // namespace patternkit
