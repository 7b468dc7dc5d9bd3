#include "core/EditPoints.h"

#include <deque>
#include <optional>
#include <unordered_map>

#include "platform/ide/TextFile.h"
#include "platform/vb/Text.h"

namespace core {
namespace {

using vbide::TrimBlanks;

bool BeginsWith(std::string_view line, std::string_view marker) {
    return TrimBlanks(line).starts_with(marker);
}

// The edit point's name as its marker gives it.
std::string EditPointName(std::string_view line, std::string_view marker) {
    return std::string(TrimBlanks(TrimBlanks(line).substr(marker.size())));
}

std::string BrokenDescription(const std::string& editPoint, bool missingEnd) {
    return missingEnd ? "the edit point \"" + editPoint + "\" has no end marker"
                      : "the end marker of the edit point \"" + editPoint + "\" has no start marker";
}

std::string MarkerKey(std::string_view line) {
    return vb::FoldCase(TrimBlanks(line));
}

// Whether the end line says more than its start's name (text typed after the marker): a block with nothing
// between its markers is still kept for it.
bool EndSaysMore(const EditPointBlock& block) {
    const std::string end = EditPointName(block.endLine, kEndEditPoint);
    return !end.empty() && !vb::TextEquals(end, EditPointName(block.startLine, kStartEditPoint));
}

bool SameEndNames(std::string_view one, std::string_view other) {
    return vb::TextEquals(EditPointName(one, kEndEditPoint), EditPointName(other, kEndEditPoint));
}

}  // namespace

bool IsStartMarker(std::string_view line) {
    return BeginsWith(line, kStartEditPoint);
}
bool IsEndMarker(std::string_view line) {
    return BeginsWith(line, kEndEditPoint);
}

BrokenEditPoint::BrokenEditPoint(int32_t line, std::string editPoint, bool missingEnd)
    : std::runtime_error(BrokenDescription(editPoint, missingEnd)),
      mLine(line),
      mEditPoint(std::move(editPoint)) {}

std::vector<EditPointBlock> ExtractEditPoints(const std::vector<std::string>& lines) {
    const auto broken = [&](size_t index, std::string_view marker, bool missingEnd) {
        return BrokenEditPoint(static_cast<int32_t>(index + 1), EditPointName(lines[index], marker),
                               missingEnd);
    };
    std::vector<EditPointBlock> blocks;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsEndMarker(lines[i]))
            throw broken(i, kEndEditPoint, false);
        if (!IsStartMarker(lines[i]))
            continue;
        EditPointBlock block{lines[i], {}, {}};
        size_t j = i + 1;
        for (; j < lines.size() && !IsEndMarker(lines[j]); ++j) {
            if (IsStartMarker(lines[j]))
                throw broken(i, kStartEditPoint, true);
            block.content.push_back(lines[j]);
        }
        if (j == lines.size())
            throw broken(i, kStartEditPoint, true);
        block.endLine = lines[j];
        if (!block.content.empty() || EndSaysMore(block))
            blocks.push_back(std::move(block));
        i = j;
    }
    return blocks;
}

std::vector<std::string> JoinEditPoints(const std::vector<EditPointBlock>& blocks) {
    std::vector<std::string> lines;
    for (const auto& block : blocks) {
        lines.push_back(block.startLine);
        lines.insert(lines.end(), block.content.begin(), block.content.end());
        lines.push_back(block.endLine);
    }
    return lines;
}

RestoredCode RestoreEditPoints(const std::vector<std::string>& regenerated,
                               std::vector<EditPointBlock> saved) {
    // Start markers of the regenerated code by their key, in order.
    std::unordered_map<std::string, std::deque<size_t>> markers;
    for (size_t i = 0; i < regenerated.size(); ++i) {
        if (IsStartMarker(regenerated[i]))
            markers[MarkerKey(regenerated[i])].push_back(i);
    }

    RestoredCode result;
    // The saved block that each regenerated line receives, by line index.
    std::unordered_map<size_t, size_t> blockAt;
    for (size_t b = 0; b < saved.size(); ++b) {
        auto found = markers.find(MarkerKey(saved[b].startLine));
        if (found == markers.end() || found->second.empty()) {
            // A block of no lines has none to hand back.
            if (!saved[b].content.empty())
                result.unrestored.push_back(std::move(saved[b]));
            continue;
        }
        blockAt.emplace(found->second.front(), b);
        found->second.pop_front();
    }

    result.lines.reserve(regenerated.size());
    // The saved end lines that say more than the regenerated ones they stand for, by line index.
    std::unordered_map<size_t, const std::string*> keptEnds;
    for (size_t i = 0; i < regenerated.size(); ++i) {
        const auto keptEnd = keptEnds.find(i);
        result.lines.push_back(keptEnd == keptEnds.end() ? regenerated[i] : *keptEnd->second);
        const auto assigned = blockAt.find(i);
        if (assigned == blockAt.end())
            continue;
        const EditPointBlock& block = saved[assigned->second];
        // The generated content up to the end marker gives way, unless another start comes first.
        size_t end = i + 1;
        while (end < regenerated.size() && !IsEndMarker(regenerated[end]) && !IsStartMarker(regenerated[end]))
            ++end;
        const bool ended = end < regenerated.size() && IsEndMarker(regenerated[end]);
        if (ended && EndSaysMore(block) && !SameEndNames(block.endLine, regenerated[end]))
            keptEnds.emplace(end, &block.endLine);
        if (block.content.empty())
            continue;  // kept for its end line alone: the generated content stays
        result.kept.push_back({EditPointName(regenerated[i], kStartEditPoint),
                               static_cast<int32_t>(result.lines.size() + 1),
                               static_cast<int32_t>(block.content.size())});
        result.lines.insert(result.lines.end(), block.content.begin(), block.content.end());
        if (ended)
            i = end - 1;
    }
    return result;
}

}  // namespace core
