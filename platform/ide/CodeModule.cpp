#include "platform/ide/CodeModule.h"

#include <algorithm>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

// A line as VB's editor lists it: the blanks and tabs at its end are dropped.
std::string_view ListedPart(std::string_view line) {
    size_t end = line.size();
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t'))
        --end;
    return line.substr(0, end);
}

// The lines of `text` (CRLF, LF or CR between them), as listed.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t from = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\r' && text[at] != '\n')
            continue;
        lines.push_back(ListedPart(text.substr(from, at - from)));
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        from = at + 1;
    }
    lines.push_back(ListedPart(text.substr(from)));
    return lines;
}

// The byte offset of character `column` (from 1), or the text's size when the line is shorter.
size_t ByteOffsetOfColumn(std::string_view text, int32_t column) {
    int32_t seen = 1;
    for (size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            continue;
        if (seen == column)
            return at;
        ++seen;
    }
    return text.size();
}

bool IsWordByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           (c >= 'a' && c <= 'z');
}

bool IsWholeWord(std::string_view line, size_t at, size_t length) {
    const bool startsWord = at == 0 || !IsWordByte(line[at - 1]);
    const bool endsWord = at + length >= line.size() || !IsWordByte(line[at + length]);
    return startsWord && endsWord;
}

}  // namespace

CodeModule::CodeModule(ChangeCounterPtr changes) : mChanges(std::move(changes)) {}

void CodeModule::InsertLines(int32_t line, std::string_view text) {
    if (line < 1 || line > CountOfLines() + 1)
        vb::Raise(vb::kSubscriptOutOfRange);
    if (line == CountOfLines() + 1) {
        // The engine's way: one line at a time at the end, stored where it stands.
        if (text.find('\n') == std::string_view::npos && text.find('\r') == std::string_view::npos) {
            mLines.Append(ListedPart(text));
        } else {
            for (const std::string_view piece : SplitLines(text))
                mLines.Append(piece);
        }
    } else {
        Splice(line, 0, SplitLines(text));
    }
    mChanges->Bump();
}

void CodeModule::DeleteLines(int32_t startLine, int32_t count) {
    if (count < 0)
        vb::Raise(vb::kInvalidProcedureCall);
    if (startLine < 1 || startLine - 1 > CountOfLines() - count)
        vb::Raise(vb::kSubscriptOutOfRange);
    Splice(startLine, count, {});
    mChanges->Bump();
}

std::string CodeModule::Lines(int32_t startLine, int32_t count) const {
    if (count < 0)
        vb::Raise(vb::kInvalidProcedureCall);
    if (startLine < 1 || startLine - 1 > CountOfLines() - count)
        vb::Raise(vb::kSubscriptOutOfRange);
    std::string text;
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0)
            text += "\r\n";
        text += mLines[static_cast<size_t>(startLine - 1 + i)];
    }
    return text;
}

bool CodeModule::Find(std::string_view target, int32_t& startLine, int32_t& startColumn, int32_t& endLine,
                      int32_t& endColumn, bool wholeWord, bool matchCase, bool patternSearch) const {
    if (patternSearch || target.empty())
        vb::Raise(vb::kInvalidProcedureCall);
    const std::string needle = matchCase ? std::string(target) : vb::FoldCase(target);
    const int32_t first = std::max(startLine, 1);
    const int32_t last = endLine < 1 ? CountOfLines() : std::min(endLine, CountOfLines());
    std::string folded;
    for (int32_t number = first; number <= last; ++number) {
        const std::string_view line = mLines[static_cast<size_t>(number - 1)];
        if (!matchCase)
            folded = vb::FoldCase(line);
        const std::string_view haystack = matchCase ? std::string_view(line) : std::string_view(folded);
        const size_t from =
            number == first && startColumn > 1 ? ByteOffsetOfColumn(haystack, startColumn) : 0;
        const size_t limit =
            number == last && endColumn > 0 ? ByteOffsetOfColumn(haystack, endColumn) : haystack.size();
        for (size_t at = haystack.find(needle, from);
             at != std::string_view::npos && at + needle.size() <= limit;
             at = haystack.find(needle, at + 1)) {
            if (wholeWord && !IsWholeWord(haystack, at, needle.size()))
                continue;
            startLine = endLine = number;
            startColumn = vb::Len(haystack.substr(0, at)) + 1;
            endColumn = startColumn + vb::Len(target);
            return true;
        }
    }
    return false;
}

std::string_view CodeModule::Line(int32_t number) const {
    if (number < 1 || number > CountOfLines())
        vb::Raise(vb::kSubscriptOutOfRange);
    return mLines[static_cast<size_t>(number - 1)];
}

bool CodeModule::IsAscii() const {
    return vb::IsAscii(mLines.Text());
}

std::vector<std::string> CodeModule::AllLines() const {
    std::vector<std::string> lines;
    lines.reserve(mLines.Count());
    for (size_t i = 0; i < mLines.Count(); ++i)
        lines.emplace_back(mLines[i]);
    return lines;
}

void CodeModule::SetAllLines(const std::vector<std::string>& lines) {
    LineStore store;
    size_t bytes = 0;
    for (const std::string& line : lines)
        bytes += ListedPart(line).size();
    store.Reserve(lines.size(), bytes);
    for (const std::string& line : lines)
        store.Append(ListedPart(line));
    mLines = std::move(store);
    mChanges->Bump();
}

void CodeModule::Splice(int32_t startLine, int32_t count, const std::vector<std::string_view>& inserted) {
    const auto start = static_cast<size_t>(startLine - 1);
    const auto end = start + static_cast<size_t>(count);
    size_t bytes = mLines.Bytes();
    for (size_t i = start; i < end; ++i)
        bytes -= mLines[i].size();
    for (const std::string_view line : inserted)
        bytes += line.size();
    LineStore lines;
    lines.Reserve(mLines.Count() - static_cast<size_t>(count) + inserted.size(), bytes);
    for (size_t i = 0; i < start; ++i)
        lines.Append(mLines[i]);
    for (const std::string_view line : inserted)
        lines.Append(line);
    for (size_t i = end; i < mLines.Count(); ++i)
        lines.Append(mLines[i]);
    mLines = std::move(lines);
}

}  // namespace vbide
