#pragma once
// Writes a procedure whose middle repeats once per item (once per property, mostly) so that VB compiles it,
// however many items there are. While the procedure's source stays under kSafeProcedureBytes it is written
// whole, exactly as the pattern writes it; otherwise it is written as the same procedure calling parts,
// each part a procedure of its own holding a run of consecutive items and itself under that size.
//
//   ProcedureSplitter splitter(engine);  // the engine every line of the module goes through
//   Emitter out(splitter);
//   splitter.Write({.name = "InitRestrictions",
//                   .head = [&] { out.Emit(...); },  // the signature and the lines before the items
//                   .items = properties.size(),
//                   .item = [&](size_t i) { current.property = properties[i]; out.Emit(...); },
//                   .tail = [&] { out.Emit(...); }});  // the lines after the items, End Sub included
//
// Split, the procedure is its head, one call per part and its tail (head and tail as written whole), and
// the parts follow it, each its part head, its items and its part tail. By default a part is a Sub without
// parameters called by its name on a line of its own; a procedure whose items read its parameters or
// locals, stand in a With block or leave the procedure early gives the part head, tail and call that keep
// what it does: a part that receives the recordset, a call followed by the early exit its items would have
// taken, a Case arm of the part's values that calls the part with its own Select Case. An item larger than
// a part can hold makes a part alone.
//
// The procedure is generated once: its lines are held back while it is written, their tokens resolved as
// the engine resolves them and measured in bytes of the module's code page with their line ends, then
// handed to the engine as they stand (CodeResolved), so no line is resolved or measured twice. Split, the
// head, the tail and the staying items are written again (with WritingParts), the other items' lines go
// into the parts as held: what a callback keeps from item to item, it derives from the item's index. Only
// the code lines are held back.
//
// A part is named after its procedure, "<name>_1", "<name>_2", ..., with more underscores where a name the
// model gives the module's members (AvoidNamesEndingIn) ends the name, or another part of the module has
// it: the names made of the model's end in a model name or in letters, so no member of the module has it.
// A new module begins when the pattern's StartCoding passes through the splitter.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "patternkit/Emitter.h"
#include "patternkit/ForwardingConstructor.h"
#include "platform/vb/Limits.h"

namespace patternkit {

// Bytes of a procedure's source kept free below VB's limit for what the measure cannot see: a long line the
// engine continues, code a developer keeps between edit points.
inline constexpr size_t kProcedureMarginBytes = 5535;
// The bytes of source a generated procedure may take.
inline constexpr size_t kSafeProcedureBytes = vb::kMaxProcedureBytes - kProcedureMarginBytes;

// One part of a split procedure: its name and the items it holds, from `first` up to before `end`.
struct ProcedurePart {
    std::string_view name;
    size_t first = 0;
    size_t end = 0;
};
using PartWriter = std::function<void(const ProcedurePart&)>;

// Unset head and tail write nothing.
struct GrowingProcedure {
    std::string_view name = {};  // the procedure's own name, resolved: its parts are named after it
    LineWriter head = {};
    size_t items = 0;
    std::function<void(size_t item)> item = {};
    LineWriter tail = {};
    // Split only: the lines of a part before and after its items, and the lines that call it where its
    // items would stand. Unset: "Private Sub <part>()", "End Sub" and "    <part>".
    PartWriter partHead = {};
    PartWriter partTail = {};
    PartWriter call = {};
    // Split only: the items that stay in the procedure between the calls of the parts around them, lines
    // that must keep their place there (an edit point's markers). Unset: none.
    std::function<bool(size_t item)> stays = {};
};

class ProcedureSplitter : public ForwardingConstructor {
  public:
    explicit ProcedureSplitter(typelib::IConstructor& engine) : ForwardingConstructor(engine) {}

    // The names the model gives (business objects, properties, methods): no part name ends in one, letter
    // case aside. Asked for only when a procedure is split, so that a module that needs no part pays
    // nothing for the model's names.
    using NameSource = std::function<std::vector<std::string>()>;
    void AvoidNamesEndingIn(NameSource names) { mNameSources.push_back(std::move(names)); }
    void AvoidNamesEndingIn(std::vector<std::string> names);

    void Write(const GrowingProcedure& procedure);
    // True while Write writes a procedure split: a head, tail or staying item that differs there (the
    // generated lines of an edit point gone into the parts) tells by it.
    bool WritingParts() const { return mWritingParts; }

    void StartCoding() override;
    void Code(std::string_view line) override;
    void CodeResolved(std::string_view text) override;

  private:
    // Where the held lines stood after a callback: how many there were and the bytes they take.
    struct Mark {
        size_t lines = 0;
        size_t bytes = 0;
    };

    // Runs `lines` with their code held back; marks where they end.
    void Hold(const std::function<void()>& lines);
    // Hands the held lines from mark `from` up to mark `to` to the engine.
    void Release(size_t from, size_t to);
    size_t Bytes(size_t from, size_t to) const { return mMarks[to].bytes - mMarks[from].bytes; }
    // Where the first `lines` held lines end in mHeld.
    size_t HeldEnd(size_t lines) const { return lines == 0 ? 0 : mHeldEnds[lines - 1]; }
    std::string_view HeldLine(size_t line) const {
        return std::string_view(mHeld).substr(HeldEnd(line), mHeldEnds[line] - HeldEnd(line));
    }
    void WriteSplit(const GrowingProcedure& procedure);
    std::string PartName(std::string_view procedure, size_t number);
    bool IsTaken(const std::string& foldedName);

    bool mHolding = false;
    std::string mHeld;              // the held lines, resolved, one after another
    std::vector<size_t> mHeldEnds;  // where each ends in mHeld
    std::vector<Mark> mMarks;       // the held lines' start, then after the head, each item and the tail
    bool mWritingParts = false;
    std::vector<NameSource> mNameSources;         // not yet in mModelNames
    std::unordered_set<std::string> mModelNames;  // folded
    std::unordered_set<std::string> mPartNames;   // folded, of the module being coded
};

}  // namespace patternkit
