#pragma once
// Edit points: a start-marker line, the developer's lines, and an end-marker line. When a component is
// regenerated, the developer's lines are saved from the old code and put back between the markers of the
// new code.
//
// A marker is a whole line: its text, leading blanks aside, begins with the marker. A line that merely
// holds the marker's words (in a string, after code, in a comment) is the developer's code.
//
// A saved block goes back into the regenerated start line that equals its own start line (trimmed,
// letter case ignored, whole line); the n-th saved block of a name goes into the n-th marker of that
// name, and no marker takes two blocks. A block that finds no marker is handed back, so that no line of
// the developer's is lost. An end line that says more than its start's name (text typed after the marker)
// stays as it was, unless the regenerated end line says the same.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace core {

inline constexpr std::string_view kStartEditPoint = "'<<<Start Edit Point:";
inline constexpr std::string_view kEndEditPoint = "'>>>End Edit Point:";

bool IsStartMarker(std::string_view line);
bool IsEndMarker(std::string_view line);

struct EditPointBlock {
    std::string startLine;
    // Empty only when the end line says more than its start's name: the block is kept for that line.
    std::vector<std::string> content;
    std::string endLine;
};

// Old code whose markers do not pair up: a start marker without its end marker (the end deleted, or
// another start before it), or an end marker without its start. Saving such code would swallow generated
// lines or lose the developer's, so nothing is saved.
class BrokenEditPoint : public std::runtime_error {
  public:
    BrokenEditPoint(int32_t line, std::string editPoint, bool missingEnd);
    int32_t Line() const { return mLine; }  // from 1
    const std::string& EditPoint() const { return mEditPoint; }

  private:
    int32_t mLine;
    std::string mEditPoint;
};

// The blocks of `lines` that hold something (lines, or text after the end marker beyond its start's name), in
// order. Lines outside blocks are skipped. Raises BrokenEditPoint at the first marker that has no partner.
std::vector<EditPointBlock> ExtractEditPoints(const std::vector<std::string>& lines);

// The lines of saved blocks one after another, as the scratch component holds them.
std::vector<std::string> JoinEditPoints(const std::vector<EditPointBlock>& blocks);

// Where a restored block's content stands in the restored lines.
struct KeptCode {
    std::string editPoint;  // its name, as its start marker gives it
    int32_t firstLine;      // from 1
    int32_t lineCount;
};

struct RestoredCode {
    std::vector<std::string> lines;
    std::vector<EditPointBlock> unrestored;
    std::vector<KeptCode> kept;  // in the order of their lines
};

// Puts `saved` into `regenerated`: the generated lines between a matched start marker and the next end
// marker make way for the saved content, and a saved end line that says more than its start's name takes the
// place of that end marker, unless they say the same. A block without lines leaves the generated lines. A
// start marker with no end marker before the next start marker keeps its generated lines, and the saved
// content goes directly below it.
RestoredCode RestoreEditPoints(const std::vector<std::string>& regenerated,
                               std::vector<EditPointBlock> saved);

}  // namespace core
