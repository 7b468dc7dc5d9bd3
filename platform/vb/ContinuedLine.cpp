#include "platform/vb/ContinuedLine.h"

#include <algorithm>

#include "platform/vb/Limits.h"
#include "platform/vb/Text.h"

namespace vb {
namespace {

constexpr std::string_view kContinuation = " _";
constexpr std::string_view kJoin = "\" & _";  // closes a literal cut in two

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The first byte of a character.
bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

int32_t Width(std::string_view text) {
    return static_cast<int32_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

// The end of the literal that opens at `at`: after its closing quote, or the end of the line.
size_t LiteralEnd(std::string_view line, size_t at) {
    for (size_t i = at + 1; i < line.size(); ++i) {
        if (line[i] != '"')
            continue;
        if (i + 1 < line.size() && line[i + 1] == '"')
            ++i;  // a doubled quote
        else
            return i + 1;
    }
    return line.size();
}

// The bytes of `text` that fill at most `room` characters without cutting a character; in a literal's text
// (`literal`), without parting a doubled quote either.
size_t Cut(std::string_view text, int32_t room, bool literal) {
    size_t cut = 0;
    for (int32_t taken = 0; cut < text.size();) {
        size_t next = cut + 1;
        while (next < text.size() && !StartsCharacter(text[next]))
            ++next;
        const int32_t width = literal && text[cut] == '"' ? 2 : 1;
        if (taken + width > room)
            break;
        taken += width;
        cut = literal && text[cut] == '"' ? cut + 2 : next;
    }
    return cut;
}

// The physical lines of one long line, built left to right.
class Continuer {
  public:
    explicit Continuer(std::string_view line) : mLine(line) {
        size_t indent = 0;
        while (indent < line.size() && IsBlank(line[indent]))
            ++indent;
        mIndent = std::string(std::min<size_t>(indent, kMaxIndent), ' ');
        mContinuedIndent = std::string(std::min<size_t>(indent + 4, kMaxIndent), ' ');
        mAt = indent;
        Start(mIndent);
    }

    std::vector<std::string> Run() {
        while (mAt < mLine.size()) {
            const char c = mLine[mAt];
            if (IsBlank(c)) {
                Blank();
            } else if (c == '"') {
                Literal(LiteralEnd(mLine, mAt));
            } else if (c == '\'') {
                Comment();
            } else {
                size_t end = mAt;
                while (end < mLine.size() && !IsBlank(mLine[end]) && mLine[end] != '"' && mLine[end] != '\'')
                    ++end;
                Word(end);
            }
        }
        if (Width(mPiece) > Width(mIndent))
            mLines.push_back(std::move(mPiece));
        return std::move(mLines);
    }

  private:
    // A blank run of the piece that a continuation may take the place of.
    struct Gap {
        size_t at, end;
        int32_t widthAfter;  // of the piece up to its end
        bool afterComma;
    };

    // Room for a continuation is always kept: the piece may have to end with one.
    bool Fits(int32_t width) const { return mWidth + width + Width(kContinuation) <= kMaxLineLength; }

    void Start(const std::string& indent) {
        mPiece = indent;
        mWidth = Width(indent);
        mBlanks.clear();
    }

    void Take(size_t end) {
        const std::string_view text = mLine.substr(mAt, end - mAt);
        mPiece += text;
        mWidth += Width(text);
        mAt = end;
    }

    void Blank() {
        size_t end = mAt;
        while (end < mLine.size() && IsBlank(mLine[end]))
            ++end;
        const bool afterComma = !mPiece.empty() && mPiece.back() == ',';
        const size_t at = mPiece.size();
        Take(end);
        mBlanks.push_back({at, mPiece.size(), mWidth, afterComma});
    }

    // The blank to continue at so that `width` more fits after it: the last after a comma that leaves the
    // piece at least half full, else the last; none when nothing fits.
    const Gap* GapFor(int32_t width) const {
        const Gap* chosen = nullptr;
        for (auto blank = mBlanks.rbegin(); blank != mBlanks.rend(); ++blank) {
            const int32_t moved = mWidth - blank->widthAfter;
            if (Width(mContinuedIndent) + moved + width + Width(kContinuation) > kMaxLineLength)
                break;
            if (!chosen)
                chosen = &*blank;
            if (blank->afterComma && blank->widthAfter >= kMaxLineLength / 2)
                return &*blank;
        }
        return chosen;
    }

    // Ends the piece with a continuation at `blank`; what follows the blank starts the next piece.
    void ContinueAt(const Gap& blank) {
        const std::string rest = mPiece.substr(blank.end);
        const int32_t restWidth = mWidth - blank.widthAfter;
        std::vector<Gap> later;
        for (const Gap& other : mBlanks) {
            if (other.at > blank.at)
                later.push_back({other.at - blank.end + mContinuedIndent.size(),
                                 other.end - blank.end + mContinuedIndent.size(),
                                 other.widthAfter - blank.widthAfter + Width(mContinuedIndent),
                                 other.afterComma});
        }
        mPiece.resize(blank.at);
        mPiece += kContinuation;
        mLines.push_back(std::move(mPiece));
        mPiece = mContinuedIndent + rest;
        mWidth = Width(mContinuedIndent) + restWidth;
        mBlanks = std::move(later);
    }

    void Word(size_t end) {
        const int32_t width = Width(mLine.substr(mAt, end - mAt));
        if (!Fits(width)) {
            if (const Gap* blank = GapFor(width))
                ContinueAt(*blank);
            else if (!mBlanks.empty())
                ContinueAt(mBlanks.back());  // the word is longer than a line
        }
        Take(end);
    }

    void Literal(size_t end) {
        const int32_t width = Width(mLine.substr(mAt, end - mAt));
        if (Fits(width))
            return Take(end);
        if (const Gap* blank = GapFor(width)) {
            ContinueAt(*blank);
            return Take(end);
        }
        if (mLine[end - 1] != '"' || end - mAt < 2)
            return Word(end);  // left open: no literal to cut
        std::string_view body = mLine.substr(mAt + 1, end - mAt - 2);
        int32_t bodyWidth = width - 2;
        // Each part closes with `" & _`, the next opens with a quote.
        for (;;) {
            const int32_t room = kMaxLineLength - mWidth - 1 - Width(kJoin);
            if (2 + bodyWidth + Width(kContinuation) <= kMaxLineLength - mWidth)
                break;
            if (room < 2 && !mBlanks.empty()) {
                ContinueAt(mBlanks.back());
                continue;
            }
            const size_t cut = Cut(body, room, true);
            mPiece += '"';
            mPiece += body.substr(0, cut);
            mPiece += kJoin;
            mLines.push_back(std::move(mPiece));
            Start(mContinuedIndent);
            bodyWidth -= Width(body.substr(0, cut));
            body.remove_prefix(cut);
        }
        mPiece += '"';
        mPiece += body;
        mPiece += '"';
        mWidth += bodyWidth + 2;
        mAt = end;
    }

    // The rest of the line is a comment: on the piece when it fits, else on comment lines of their own.
    void Comment() {
        std::string_view text = mLine.substr(mAt + 1);
        mAt = mLine.size();
        if (mWidth + 1 + Width(text) <= kMaxLineLength) {
            mPiece += '\'';
            mPiece += text;
            return;
        }
        if (mWidth > Width(mIndent)) {
            mLines.push_back(RTrim(mPiece));
            Start(mIndent);
        }
        const int32_t room = kMaxLineLength - mWidth - 1;
        while (!text.empty()) {
            size_t cut = Cut(text, room, false);
            // A comment is cut at a blank where one is in the latter half.
            if (cut < text.size()) {
                const size_t blank = text.rfind(' ', cut);
                if (blank != std::string_view::npos && Width(text.substr(0, blank)) >= room / 2)
                    cut = blank;
            }
            mLines.push_back(mPiece + '\'' + std::string(text.substr(0, cut)));
            text.remove_prefix(cut);
            while (!text.empty() && text.front() == ' ')
                text.remove_prefix(1);
        }
        Start(mIndent);
    }

    std::string_view mLine;
    size_t mAt = 0;  // of the line, what is not yet written
    std::string mIndent, mContinuedIndent;
    std::string mPiece;  // the physical line being built
    int32_t mWidth = 0;  // of mPiece
    std::vector<Gap> mBlanks;
    std::vector<std::string> mLines;
};

}  // namespace

std::vector<std::string> ContinuedLine(std::string_view line) {
    if (static_cast<int32_t>(line.size()) <= kMaxLineLength || Width(line) <= kMaxLineLength)
        return {std::string(line)};
    return Continuer(line).Run();
}

}  // namespace vb
