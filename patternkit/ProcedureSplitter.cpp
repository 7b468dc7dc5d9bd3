#include "patternkit/ProcedureSplitter.h"

#include "platform/vb/Text.h"

namespace patternkit {
namespace {

// What `text` takes in the module: a byte per character (the code page has one for each, or writes "?")
// and two for each line end, the last line's included.
size_t SourceBytes(std::string_view text) {
    size_t lineEnds = 1;
    size_t breakCharacters = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\r' && text[at] != '\n')
            continue;
        ++lineEnds;
        ++breakCharacters;
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            ++at;
            ++breakCharacters;
        }
    }
    return static_cast<size_t>(vb::Len(text)) - breakCharacters + 2 * lineEnds;
}

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

void ProcedureSplitter::AvoidNamesEndingIn(const std::vector<std::string>& names) {
    for (const auto& name : names)
        mModelNames.insert(vb::FoldCase(name));
}

void ProcedureSplitter::StartCoding() {
    mPartNames.clear();
    ForwardingConstructor::StartCoding();
}

void ProcedureSplitter::Code(std::string_view line) {
    if (mMeasuring)
        mMeasured += SourceBytes(CreateTokenStr(line));
    else
        ForwardingConstructor::Code(line);
}

size_t ProcedureSplitter::Measure(const std::function<void()>& lines) {
    struct Measuring {
        ProcedureSplitter& splitter;
        explicit Measuring(ProcedureSplitter& s) : splitter(s) {
            splitter.mMeasuring = true;
            splitter.mMeasured = 0;
        }
        ~Measuring() { splitter.mMeasuring = false; }
    } measuring(*this);
    lines();
    return mMeasured;
}

void ProcedureSplitter::Write(const GrowingProcedure& procedure) {
    std::vector<size_t> itemBytes(procedure.items);
    size_t bytes = Measure(procedure.head) + Measure(procedure.tail);
    for (size_t item = 0; item < procedure.items; ++item) {
        itemBytes[item] = Measure([&] { procedure.item(item); });
        bytes += itemBytes[item];
    }
    const auto writeItems = [&](size_t first, size_t end) {
        for (size_t item = first; item < end; ++item)
            procedure.item(item);
    };
    if (bytes <= kSafeProcedureBytes) {
        procedure.head();
        writeItems(0, procedure.items);
        procedure.tail();
        return;
    }

    const Emitter out(*this);
    const PartWriter partHead = procedure.partHead ? procedure.partHead : [&](const ProcedurePart& part) {
        out.Emit("|Private Sub {{Part}}()", {{"Part", part.name}});
    };
    const PartWriter partTail =
        procedure.partTail ? procedure.partTail : [&](const ProcedurePart&) { out.EmitLine("End Sub"); };
    const PartWriter call = procedure.call ? procedure.call : [&](const ProcedurePart& part) {
        out.Emit("|    {{Part}}", {{"Part", part.name}});
    };
    // A part's own lines, measured for all the items under a name longer than any a part is given.
    const std::string longestName(procedure.name.size() + 64, 'X');
    const ProcedurePart everything{longestName, 0, procedure.items};
    const size_t partBytes = Measure([&] { partHead(everything); }) + Measure([&] { partTail(everything); });

    std::vector<Piece> pieces = Pieces(procedure, itemBytes, partBytes);
    std::vector<std::string> names;
    names.reserve(pieces.size());
    for (auto& piece : pieces) {
        if (piece.stays)
            continue;
        names.push_back(PartName(procedure.name, names.size() + 1));
        piece.part.name = names.back();
    }
    procedure.head();
    for (const auto& piece : pieces) {
        if (piece.stays)
            procedure.item(piece.part.first);
        else
            call(piece.part);
    }
    procedure.tail();
    for (const auto& piece : pieces) {
        if (piece.stays)
            continue;
        partHead(piece.part);
        writeItems(piece.part.first, piece.part.end);
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

bool ProcedureSplitter::IsTaken(const std::string& foldedName) const {
    if (mPartNames.contains(foldedName))
        return true;
    for (size_t start = 0; start < foldedName.size(); ++start) {
        if (mModelNames.contains(foldedName.substr(start)))
            return true;
    }
    return false;
}

}  // namespace patternkit
