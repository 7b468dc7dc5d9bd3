#include "patternkit/ProcedureSplitter.h"

#include "platform/vb/LimitsMeasured.h"
#include "platform/vb/Text.h"

namespace patternkit {
namespace {

constexpr size_t kLineEnd = 2;  // CR LF

// What `text` takes in the module: a byte per character (the code page has one for each, or writes "?")
// and two for each line end, the last line's included.
size_t SourceBytes(std::string_view text) {
    size_t bytes = 0;
    for (size_t from = 0;;) {
        const size_t end = text.find_first_of("\r\n", from);
        bytes += static_cast<size_t>(vb::Len(text.substr(from, end - from))) + kLineEnd;
        if (end == std::string_view::npos)
            return bytes;
        from = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
}

// Raises a flag for as long as it lives, whatever ends its scope.
class RaisedFlag {
  public:
    explicit RaisedFlag(bool& flag) : mFlag(flag) { mFlag = true; }
    ~RaisedFlag() { mFlag = false; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

  private:
    bool& mFlag;
};

// What the split procedure holds where its items stood: parts, and the items that stay.
struct Piece {
    ProcedurePart part;
    bool stays = false;
};

// Runs of consecutive items that, with a part's own lines, stay under the safe size, and the items that
// stay between them; an item too large for any part makes a part alone.
std::vector<Piece> Pieces(const GrowingProcedure& procedure, const std::vector<size_t>& itemBytes,
                          size_t partBytes) {
    std::vector<Piece> pieces;
    size_t bytes = 0;
    for (size_t item = 0; item < itemBytes.size(); ++item) {
        if (procedure.stays && procedure.stays(item)) {
            pieces.push_back({{{}, item, item + 1}, true});
            continue;
        }
        if (pieces.empty() || pieces.back().stays || bytes + itemBytes[item] > kSafeProcedureBytes) {
            pieces.push_back({{{}, item, item}, false});
            bytes = partBytes;
        }
        pieces.back().part.end = item + 1;
        bytes += itemBytes[item];
    }
    return pieces;
}

}  // namespace

void ProcedureSplitter::AvoidNamesEndingIn(std::vector<std::string> names) {
    AvoidNamesEndingIn([names = std::move(names)] { return names; });
}

void ProcedureSplitter::StartCoding() {
    mPartNames.clear();
    ForwardingConstructor::StartCoding();
}

void ProcedureSplitter::Code(std::string_view line) {
    if (mHolding)
        CodeResolved(CreateTokenStr(line));
    else
        ForwardingConstructor::Code(line);
}

void ProcedureSplitter::CodeResolved(std::string_view text) {
    if (!mHolding)
        return ForwardingConstructor::CodeResolved(text);
    mHeld += text;
    mHeldEnds.push_back(mHeld.size());
}

void ProcedureSplitter::Hold(const std::function<void()>& lines) {
    const RaisedFlag holding(mHolding);
    const Mark before = mMarks.back();
    lines();
    // Measured together, what the callback held: ASCII lines without line breaks in them, as generated
    // lines nearly always are, take their size and their ends.
    const size_t held = mHeldEnds.size();
    const std::string_view text = std::string_view(mHeld).substr(HeldEnd(before.lines));
    size_t bytes = text.size() + kLineEnd * (held - before.lines);
    if (!vb::IsAscii(text) || text.find('\n') != std::string_view::npos ||
        text.find('\r') != std::string_view::npos) {
        bytes = 0;
        for (size_t line = before.lines; line < held; ++line)
            bytes += SourceBytes(HeldLine(line));
    }
    mMarks.push_back({held, before.bytes + bytes});
}

void ProcedureSplitter::Release(size_t from, size_t to) {
    for (size_t line = mMarks[from].lines; line < mMarks[to].lines; ++line)
        ForwardingConstructor::CodeResolved(HeldLine(line));
}

void ProcedureSplitter::Write(const GrowingProcedure& procedure) {
    if (!vb::LimitsMeasured()) {
        if (procedure.head)
            procedure.head();
        for (size_t item = 0; item < procedure.items; ++item)
            procedure.item(item);
        if (procedure.tail)
            procedure.tail();
        return;
    }
    mHeld.clear();
    mHeld.reserve(kSafeProcedureBytes);  // grown once, not step by step among the module's own blocks
    mHeldEnds.clear();
    mMarks.assign(1, Mark{});
    const LineWriter nothing = [] {};
    Hold(procedure.head ? procedure.head : nothing);
    for (size_t item = 0; item < procedure.items; ++item)
        Hold([&] { procedure.item(item); });
    Hold(procedure.tail ? procedure.tail : nothing);
    if (mMarks.back().bytes <= kSafeProcedureBytes)
        Release(0, mMarks.size() - 1);
    else
        WriteSplit(procedure);
}

void ProcedureSplitter::WriteSplit(const GrowingProcedure& procedure) {
    const RaisedFlag writingParts(mWritingParts);
    const Emitter out(*this);
    const PartWriter partHead = procedure.partHead ? procedure.partHead : [&](const ProcedurePart& part) {
        out.Emit("|Private Sub {{Part}}()", {{"Part", part.name}});
    };
    const PartWriter partTail =
        procedure.partTail ? procedure.partTail : [&](const ProcedurePart&) { out.EmitLine("End Sub"); };
    const PartWriter call = procedure.call ? procedure.call : [&](const ProcedurePart& part) {
        out.Emit("|    {{Part}}", {{"Part", part.name}});
    };
    // Item i's lines lie between marks i + 1 and i + 2, after the head's.
    std::vector<size_t> itemBytes(procedure.items);
    for (size_t item = 0; item < procedure.items; ++item)
        itemBytes[item] = Bytes(item + 1, item + 2);
    // A part's own lines, measured for all the items under a name longer than any a part is given.
    const std::string longestName(procedure.name.size() + 64, 'X');
    const ProcedurePart everything{longestName, 0, procedure.items};
    const size_t held = mMarks.size() - 1;
    Hold([&] {
        partHead(everything);
        partTail(everything);
    });
    const size_t partBytes = Bytes(held, held + 1);

    std::vector<Piece> pieces = Pieces(procedure, itemBytes, partBytes);
    std::vector<std::string> names;
    names.reserve(pieces.size());
    for (auto& piece : pieces) {
        if (piece.stays)
            continue;
        names.push_back(PartName(procedure.name, names.size() + 1));
        piece.part.name = names.back();
    }
    if (procedure.head)
        procedure.head();
    for (const auto& piece : pieces) {
        if (piece.stays)
            procedure.item(piece.part.first);
        else
            call(piece.part);
    }
    if (procedure.tail)
        procedure.tail();
    for (const auto& piece : pieces) {
        if (piece.stays)
            continue;
        partHead(piece.part);
        Release(piece.part.first + 1, piece.part.end + 1);
        partTail(piece.part);
    }
}

std::string ProcedureSplitter::PartName(std::string_view procedure, size_t number) {
    for (std::string separator = "_";; separator += '_') {
        std::string name = std::string(procedure) + separator + std::to_string(number);
        std::string folded = vb::FoldCase(name);
        if (!IsTaken(folded)) {
            mPartNames.insert(std::move(folded));
            return name;
        }
    }
}

bool ProcedureSplitter::IsTaken(const std::string& foldedName) {
    for (const NameSource& source : mNameSources) {
        for (const std::string& name : source())
            mModelNames.insert(vb::FoldCase(name));
    }
    mNameSources.clear();
    if (mPartNames.contains(foldedName))
        return true;
    for (size_t start = 0; start < foldedName.size(); ++start) {
        if (mModelNames.contains(foldedName.substr(start)))
            return true;
    }
    return false;
}

}  // namespace patternkit
