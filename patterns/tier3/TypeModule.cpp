// The module of a business object's record types: the record of its values and the string of the same
// bytes in which the layers exchange it.

#include "patternkit/CodeHeader.h"
#include "patternkit/Emitter.h"
#include "patterns/tier3/Generators.h"
#include "platform/vb/Numbers.h"
#include "recordlayout/RecordLayout.h"

namespace tier3 {

void GenerateUDT(GeneratorContext& context) {
    const patternkit::Emitter& out = context.Out();
    patternkit::Common::WriteCodeHeader(out.Engine());
    out.Emit(R"vb(
        |
        |Public Type &BusObjNameProps
    )vb");
    for (const auto& property : context.Properties()) {
        context.Current().property = property;
        if (const auto member = recordlayout::MemberLine(patternkit::Required(property)))
            out.EmitLine(*member);
        out.EmitLine("   &PropNameIsChanged As Boolean");
    }
    const recordlayout::RecordLayout layout = recordlayout::MeasureRecord(context.Properties());
    const std::string keyLength = vb::Str(layout.keyLength);
    const std::string bufferLength = vb::Str(layout.bufferLength);
    out.Emit(R"vb(
        |   ObjectID As String * {{KeyLength}}
        |End Type
        |
        |Public Type &BusObjNameData
        |    Buffer As String * {{BufferLength}}
        |End Type
        | ¶
    )vb",
             {{"KeyLength", keyLength}, {"BufferLength", bufferLength}});
}

}  // namespace tier3
