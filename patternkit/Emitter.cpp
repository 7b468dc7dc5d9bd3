#include "patternkit/Emitter.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "patternkit/EditPointMarkers.h"
#include "platform/vb/Literal.h"

namespace patternkit {
namespace {

constexpr std::string_view kEndMark = "\xC2\xB6";  // "¶"

using Values = std::initializer_list<Substitution>;
using Standing = std::vector<std::pair<std::string, std::string>>;

const Substitution* GivenValue(std::string_view name, Values values) {
    for (const auto& value : values) {
        if (value.name == name)
            return &value;
    }
    return nullptr;
}

std::string_view TextOf(std::string_view name, Values values, const Standing& standing) {
    if (const Substitution* given = GivenValue(name, values)) {
        if (given->lines)
            throw std::logic_error("{{" + std::string(name) +
                                   "}} writes lines and must stand alone on its line");
        return given->text;
    }
    for (const auto& [key, value] : standing) {
        if (key == name)
            return value;
    }
    // The edit-point markers stand in every Emitter, after its own standing values.
    if (name == "Start")
        return kStartEditPoint;
    if (name == "End")
        return kEndEditPoint;
    throw std::logic_error("No value for {{" + std::string(name) + "}} in a generated block");
}

void Expand(std::string_view text, Values values, const Standing& standing, std::string& out) {
    out.clear();
    size_t from = 0;
    for (size_t open = text.find("{{"); open != std::string_view::npos; open = text.find("{{", from)) {
        const size_t close = text.find("}}", open + 2);
        if (close == std::string_view::npos)
            break;
        out.append(text.substr(from, open - from));
        out.append(TextOf(text.substr(open + 2, close - open - 2), values, standing));
        from = close + 2;
    }
    out.append(text.substr(from));
}

// The callback of a line that is exactly "{{Name}}" naming a callback value, or null.
const LineWriter* LineWriterOf(std::string_view line, Values values) {
    if (!line.starts_with("{{") || !line.ends_with("}}") || line.find("{{", 2) != std::string_view::npos)
        return nullptr;
    const Substitution* given = GivenValue(line.substr(2, line.size() - 4), values);
    return given && given->lines ? &given->lines : nullptr;
}

// Where the blanks before a line's margin end. Eight blanks at a time first, then one character at a time
// (not find_first_not_of, which looks every character up in the set): this runs for every generated line.
size_t MarginOf(std::string_view line) {
    constexpr std::string_view kEightBlanks = "        ";
    size_t margin = 0;
    while (line.size() - margin >= kEightBlanks.size() &&
           std::memcmp(line.data() + margin, kEightBlanks.data(), kEightBlanks.size()) == 0)
        margin += kEightBlanks.size();
    while (margin < line.size() && (line[margin] == ' ' || line[margin] == '\t'))
        ++margin;
    return margin;
}

// Where the first double quote or comment mark at or after `from` stands, or npos. Two of the library's
// searches, each of one character, not find_first_of: that looks every character up in its set with a
// call, and this runs for every generated line.
size_t QuoteOrCommentMark(std::string_view line, size_t from) {
    const size_t quote = line.find('"', from);
    const size_t mark = line.substr(0, std::min(quote, line.size())).find('\'', from);
    return mark == std::string_view::npos ? quote : mark;
}

// Calls `literal(begin, end)` with the place of the text of each string literal of a line of code, between
// its quotes; the walk stops at a comment.
template <typename Literal>
void ForEachLiteral(std::string_view line, Literal&& literal) {
    for (size_t at = QuoteOrCommentMark(line, 0); at != std::string_view::npos && line[at] == '"';
         at = QuoteOrCommentMark(line, at + 1)) {
        const size_t begin = at + 1;
        // The closing quote: the first one not doubled.
        for (at = line.find('"', begin);
             at != std::string_view::npos && at + 1 < line.size() && line[at + 1] == '"';
             at = line.find('"', at + 2)) {
        }
        at = std::min(at, line.size());
        literal(begin, at);
    }
}

// The value of a literal's text: its doubled quotes single.
std::string LiteralValue(std::string_view body) {
    std::string value;
    for (size_t at = 0; at < body.size(); ++at) {
        value += body[at];
        if (body[at] == '"' && at + 1 < body.size() && body[at + 1] == '"')
            ++at;
    }
    return value;
}

}  // namespace

void Emitter::Write(std::string_view line) const {
    std::string written;
    size_t copied = 0;
    ForEachLiteral(line, [&](size_t begin, size_t end) {
        const std::string_view body = line.substr(begin, end - begin);
        if (body.find('&') == std::string_view::npos)
            return;
        // Values that need no writing out are left to the engine, which puts in the same text.
        const std::string value = LiteralValue(body);
        const std::string resolved = mEngine.CreateTokenStr(value);
        const std::string literal = vb::LiteralBody(resolved);
        if (body == value && literal == resolved)
            return;
        written.append(line.substr(copied, begin - copied));
        written += literal;
        copied = end;
    });
    if (copied == 0) {
        mEngine.Code(line);
        return;
    }
    written.append(line.substr(copied));
    mEngine.Code(written);
}

Emitter::Emitter(typelib::IConstructor& engine,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> standing)
    : mEngine(engine), mStanding(standing.begin(), standing.end()) {}

void Emitter::Emit(std::string_view block, Values values) const {
    // Where the block's next "{{" is: found once for all the lines before it.
    size_t open = block.find("{{");
    size_t start = 0;
    while (start < block.size()) {
        const size_t newline = block.find('\n', start);
        const size_t end = newline == std::string_view::npos ? block.size() : newline;
        std::string_view line = block.substr(start, end - start);
        const bool expands = open < end;
        if (expands)
            open = block.find("{{", end);
        start = end + 1;

        const size_t margin = MarginOf(line);
        if (margin == line.size())
            continue;
        if (line[margin] != '|')
            throw std::logic_error("A generated line lacks its margin: " + std::string(line));
        line.remove_prefix(margin + 1);
        if (line.ends_with(kEndMark))
            line.remove_suffix(kEndMark.size());
        if (!expands) {
            Write(line);
        } else if (const LineWriter* writer = LineWriterOf(line, values)) {
            // The callback may emit through this Emitter: nothing of this line is kept past it.
            (*writer)();
        } else {
            Expand(line, values, mStanding, mLine);
            Write(mLine);
        }
    }
}

}  // namespace patternkit
