#pragma once
// The one way patterns write generated code: a block of VB lines, written as the generated code reads,
// handed to the engine's Code one line at a time.
//
//   Emit(engine, R"(
//       |Public Sub Show(objErr As Object)
//       |    MsgBox objErr.Description, vbOKOnly, "Error!"
//       |End Sub
//   )");
//
// Each line begins after its margin "|"; the blanks before the margin only indent the block in the C++
// source. Lines that are blank up to the end are not part of the block; "|" alone writes an empty line.
// A line whose generated text ends in blanks marks its end with "¶", so the blanks stay visible.
// "{{Name}}" is replaced by the value given for Name (engine tokens such as "&PropName" pass through
// for the engine to resolve).

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "typelib/IConstructor.h"

namespace patternkit {

using Substitution = std::pair<std::string_view, std::string_view>;

void Emit(typelib::IConstructor& engine, std::string_view block,
          std::initializer_list<Substitution> values = {});

// One line, with no margin: for lines assembled from parts.
inline void EmitLine(typelib::IConstructor& engine, std::string_view line) {
    engine.Code(line);
}

}  // namespace patternkit
