#pragma once
// The one way patterns write generated code: an Emitter hands blocks of VB lines, written as the generated
// code reads, to the engine's Code one line at a time.
//
//   Emitter out(engine, {{"Class", className}});      // standing values: once per writer
//   out.Emit(R"(
//       |Public Sub {{Proc}}()
//       |{{Body}}
//       |{{Start}}{{Proc}}
//       |{{End}}{{Proc}}
//       |    Err.Raise 5, "{{Class}}"
//       |End Sub
//   )",
//            {{"Proc", "Show"}, {"Body", [&] { WriteBody(out); }}});
//
// Each line begins after its margin "|"; the blanks before the margin only indent the block in the C++
// source. Lines that are blank up to the end are not part of the block; "|" alone writes an empty line.
// A line whose generated text ends in blanks marks its end with "¶", so the blanks stay visible.
//
// "{{Name}}" is replaced by its value: first the values given to this Emit, then the writer's standing
// values. "{{Start}}" and "{{End}}", the edit-point markers, stand in every Emitter. A value may be a
// callback instead of text: a line holding only "{{Name}}" then becomes the lines the callback writes
// (none, one or many), so a procedure with a per-property part still reads as one block. A name without a
// value, a callback inside other text and a line without its margin are the C++ author's mistakes
// (std::logic_error). Engine tokens such as "&PropName" pass through for the engine to resolve, except
// inside a string literal of the line: there the Emitter asks the engine for their values and writes them
// through the literal writer (platform/vb/Literal.h), so that a table name with a quote stays one literal.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "typelib/IConstructor.h"

namespace patternkit {

// Writes the lines that stand where its "{{Name}}" line stands.
using LineWriter = std::function<void()>;

// A value of one Emit call; it must outlive the call only.
struct Substitution {
    Substitution(std::string_view name, std::string_view text) : name(name), text(text) {}
    Substitution(std::string_view name, LineWriter lines) : name(name), lines(std::move(lines)) {}

    std::string_view name;
    std::string_view text;
    LineWriter lines;  // set for a callback value
};

class Emitter {
  public:
    // Standing text values, copied: every block of this writer reads them.
    explicit Emitter(typelib::IConstructor& engine,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> standing = {});

    void Emit(std::string_view block, std::initializer_list<Substitution> values = {}) const;
    // One line, with no margin: for lines assembled from parts.
    void EmitLine(std::string_view line) const { Write(line); }

    typelib::IConstructor& Engine() const { return mEngine; }

  private:
    // Hands one line to the engine, the tokens inside its string literals resolved here.
    void Write(std::string_view line) const;

    typelib::IConstructor& mEngine;
    std::vector<std::pair<std::string, std::string>> mStanding;
    // A line with its values in place, kept from line to line so that a line costs no allocation.
    mutable std::string mLine;
};

}  // namespace patternkit
