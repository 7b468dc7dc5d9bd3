#include "patterns/tier3/CredentialGetters.h"

#include "patternkit/Emitter.h"
#include "patterns/tier3/GeneratorContext.h"

namespace tier3 {

void WriteCredentialGetters(GeneratorContext& context) {
    for (const char* what : {"UserID", "Password"}) {
        context.Out().Emit(R"vb(
            |
            |Public Function Get{{What}} () As String
            |'|||Insert logic to obtain {{What}} from another source.
            |{{Start}}Get{{What}}
            |{{End}}Get{{What}}
            |    Get{{What}} = mstr{{What}}
            |End Function
        )vb",
                           {{"What", what}});
    }
}

}  // namespace tier3
