#include "patternkit/QuoteDoubling.h"

#include "patternkit/Emitter.h"

namespace patternkit {

void WriteDoubleQuotesFunction(const Emitter& out) {
    out.Emit(R"vb(
        |
        |Public Function DoubleQuotes(ByVal strValue As String) As String
        |'Doubles every single quote of a value that is written between single quotes
        |'into SQL or a criteria string.
        |Dim lngAt As Long
        |
        |'|||Add processing of the value before its quotes are doubled in this edit point.
        |{{Start}}DoubleQuotes
        |{{End}}DoubleQuotes
        |    lngAt = InStr(1, strValue, "'")
        |    Do While lngAt > 0
        |        strValue = Mid(strValue, 1, lngAt) & Mid(strValue, lngAt)
        |        lngAt = InStr(lngAt + 2, strValue, "'")
        |    Loop
        |    DoubleQuotes = strValue
        |End Function
    )vb");
}

}  // namespace patternkit
