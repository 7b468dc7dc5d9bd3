#pragma once
// A component's code: its lines, as the construction engine inserts, deletes and finds them.
//
// Members used by the add-in: InsertLines, DeleteLines, CountOfLines, Lines, Find. Line numbers start at 1;
// a line number outside the module raises 9, a negative count 5. Appending at the end is amortised O(1);
// inserting or deleting elsewhere costs the size of the module; Find is linear in the lines it searches.
// Lines are kept as VB's editor lists them, without blanks or tabs at their end: a blank after a
// line-continuation "_" would be a syntax error to VB.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ide/ChangeCounter.h"
#include "platform/ide/LineStore.h"
#include "platform/vb/Object.h"

namespace vbide {

class CodeModule : public vb::Object {
  public:
    explicit CodeModule(ChangeCounterPtr changes);

    // Inserts `text` before line `line` (CountOfLines + 1 appends). Text holding line breaks (CRLF, LF or
    // CR) inserts several lines; an empty text inserts one empty line.
    void InsertLines(int32_t line, std::string_view text);
    void DeleteLines(int32_t startLine, int32_t count = 1);
    int32_t CountOfLines() const { return static_cast<int32_t>(mLines.Count()); }
    // `count` lines from `startLine`, joined by CRLF.
    std::string Lines(int32_t startLine, int32_t count) const;

    // Searches from (startLine, startColumn) to (endLine, endColumn); an end line or column below 1 means
    // the last line or the end of the line. On a hit the four positions are set to the match (the end
    // column is the one after the match) and the result is True. Columns count characters.
    // Pattern search is not supported and raises 5.
    bool Find(std::string_view target, int32_t& startLine, int32_t& startColumn, int32_t& endLine,
              int32_t& endColumn, bool wholeWord = false, bool matchCase = false,
              bool patternSearch = false) const;

    // Line `number` as stored, without copying it; 9 outside the module.
    std::string_view Line(int32_t number) const;
    // Calls `visit` with each line as stored, in order, for a pass over the whole module.
    template <typename Visit>
    void ForEachLine(Visit&& visit) const {
        mLines.ForEach(visit);
    }
    // The size of the code's text in bytes, without line ends.
    size_t TextBytes() const { return mLines.Bytes(); }
    // Whether every line is ASCII: a writer then needs to convert none of them.
    bool IsAscii() const;
    // A copy of every line, for the edit points and the host's code view.
    std::vector<std::string> AllLines() const;
    // Gives back the room kept for more lines; for a module nobody is editing any more.
    void Compact() { mLines.Compact(); }
    // Replaces the whole code; the file reader's way in.
    void SetAllLines(const std::vector<std::string>& lines);

  private:
    // Rebuilds the code with `count` lines from `startLine` replaced by `inserted`.
    void Splice(int32_t startLine, int32_t count, const std::vector<std::string_view>& inserted);

    ChangeCounterPtr mChanges;
    LineStore mLines;
};

}  // namespace vbide
