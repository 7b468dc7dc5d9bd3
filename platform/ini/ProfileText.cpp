#include "platform/ini/ProfileText.h"

#include <optional>
#include <vector>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace ini {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineBreaks = "\r\n";
// What no entry can hold and be read back: line breaks and NUL.
constexpr std::string_view kUnreadable("\r\n\0", 3);

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

struct Line {
    std::string_view text;  // without its line end
    std::string_view end;   // "\r\n", "\n", or empty for a last line without one
};

std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < content.size()) {
        const size_t newline = content.find('\n', start);
        if (newline == std::string_view::npos) {
            lines.push_back({content.substr(start), {}});
            break;
        }
        const size_t endStart = newline > start && content[newline - 1] == '\r' ? newline - 1 : newline;
        lines.push_back(
            {content.substr(start, endStart - start), content.substr(endStart, newline + 1 - endStart)});
        start = newline + 1;
    }
    return lines;
}

std::string_view LineEndOf(const std::vector<Line>& lines) {
    return lines.empty() || lines.front().end.empty() ? std::string_view("\n") : lines.front().end;
}

std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const size_t close = trimmed.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(trimmed.substr(1, close - 1));
}

// The key of a "key=value" line; a line without "=" is a key without a value; blank and comment lines are
// no entries.
std::optional<std::string_view> EntryKey(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    return TrimBlanks(trimmed.substr(0, trimmed.find('=')));
}

void RequireReadableBack(std::string_view section, std::string_view key, std::string_view value) {
    const bool valid = !section.empty() && !key.empty() &&
                       section.find_first_of(kUnreadable) == std::string_view::npos &&
                       section.find(']') == std::string_view::npos &&
                       key.find_first_of(kUnreadable) == std::string_view::npos &&
                       key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';' &&
                       value.find_first_of(kUnreadable) == std::string_view::npos;
    if (!valid)
        vb::Raise(vb::kInvalidProcedureCall, "WritePrivateProfileString");
}

std::string EntryLine(std::string_view key, std::string_view value, std::string_view end) {
    std::string line;
    line.reserve(key.size() + value.size() + end.size() + 1);
    line.append(key).append("=").append(value).append(end);
    return line;
}

}  // namespace

std::string WithEntry(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    RequireReadableBack(section, key, value);

    const std::vector<Line> lines = SplitLines(content);
    const std::string_view eol = LineEndOf(lines);
    std::string out;
    out.reserve(content.size() + section.size() + key.size() + value.size() + 8);

    size_t index = 0;
    for (; index < lines.size(); ++index) {
        const auto name = SectionName(lines[index].text);
        if (name && vb::TextEquals(*name, section))
            break;
    }
    if (index == lines.size()) {
        out.append(content);
        if (!lines.empty() && lines.back().end.empty())
            out.append(eol);
        out.append("[").append(section).append("]").append(eol);
        out.append(EntryLine(key, value, eol));
        return out;
    }

    const size_t header = index;
    size_t lastEntry = header;
    std::optional<size_t> match;
    for (index = header + 1; index < lines.size() && !SectionName(lines[index].text); ++index) {
        const auto entryKey = EntryKey(lines[index].text);
        if (!entryKey)
            continue;
        lastEntry = index;
        if (vb::TextEquals(*entryKey, key)) {
            match = index;
            break;
        }
    }

    for (index = 0; index < lines.size(); ++index) {
        const Line& line = lines[index];
        if (match == index) {
            out.append(EntryLine(*EntryKey(line.text), value, line.end));
            continue;
        }
        out.append(line.text).append(line.end);
        if (!match && index == lastEntry) {
            if (line.end.empty())
                out.append(eol);
            out.append(EntryLine(key, value, eol));
        }
    }
    return out;
}

}  // namespace ini
