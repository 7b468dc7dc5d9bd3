#include "core/EditPoints.h"

#include <deque>
#include <optional>
#include <unordered_map>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace core {
namespace {

bool IsStart(std::string_view line) {
    return line.find(kStartEditPoint) != std::string_view::npos;
}
bool IsEnd(std::string_view line) {
    return line.find(kEndEditPoint) != std::string_view::npos;
}

std::string MarkerKey(std::string_view line) {
    return vb::FoldCase(vb::Trim(line));
}

}  // namespace

std::vector<EditPointBlock> ExtractEditPoints(const std::vector<std::string>& lines) {
    std::vector<EditPointBlock> blocks;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!IsStart(lines[i]))
            continue;
        if (i + 1 >= lines.size())
            vb::Raise(vb::kFileAlreadyOpen);
        if (IsEnd(lines[i + 1])) {
            ++i;
            continue;
        }
        EditPointBlock block{lines[i], {}, {}};
        size_t j = i + 1;
        for (; j < lines.size() && !IsEnd(lines[j]); ++j)
            block.content.push_back(lines[j]);
        if (j == lines.size())
            vb::Raise(vb::kFileAlreadyOpen);
        block.endLine = lines[j];
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
        if (IsStart(regenerated[i]))
            markers[MarkerKey(regenerated[i])].push_back(i);
    }

    RestoredCode result;
    // The saved block that each regenerated line receives, by line index.
    std::unordered_map<size_t, size_t> blockAt;
    for (size_t b = 0; b < saved.size(); ++b) {
        auto found = markers.find(MarkerKey(saved[b].startLine));
        if (found == markers.end() || found->second.empty()) {
            result.unrestored.push_back(std::move(saved[b]));
            continue;
        }
        blockAt.emplace(found->second.front(), b);
        found->second.pop_front();
    }

    result.lines.reserve(regenerated.size());
    for (size_t i = 0; i < regenerated.size(); ++i) {
        result.lines.push_back(regenerated[i]);
        const auto assigned = blockAt.find(i);
        if (assigned == blockAt.end())
            continue;
        const EditPointBlock& block = saved[assigned->second];
        result.lines.insert(result.lines.end(), block.content.begin(), block.content.end());
        // The generated content up to the end marker gives way, unless another start comes first.
        size_t end = i + 1;
        while (end < regenerated.size() && !IsEnd(regenerated[end]) && !IsStart(regenerated[end]))
            ++end;
        if (end < regenerated.size() && IsEnd(regenerated[end]))
            i = end - 1;
    }
    return result;
}

}  // namespace core
