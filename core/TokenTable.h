#pragma once
// The engine's token list and the substitution of tokens in a generated line.
//
// Every occurrence of every listed token is replaced by its value, also inside longer words; values are
// never searched again. Occurrences are taken in order of position; where two tokens start at one
// position (possible only with added tokens), the one listed first wins. The scan jumps from one place
// where a token can start (a character that begins some token; "&" for the built-in list) to the next and
// compares only the tokens that begin with the characters found there (a direct look-up of the first
// eight), so a line costs time in proportion to its length, not to the number of tokens. A table substitutes
// one line at a time: the scratch it keeps between lines makes a line cost no allocation beyond its output.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace core {

class TokenTable {
  public:
    // Appends a token; an empty name is ignored (it would match everywhere).
    void Add(std::string name);

    size_t Count() const { return mNames.size(); }
    const std::string& Name(size_t index) const { return mNames[index]; }

    // Appends `line` to `out` with its tokens replaced: `valueOf(index)` gives the value of the token at
    // `index` (text, or a view of text that lasts until the next call), computed once per occurrence, in
    // the order of the occurrences in the line.
    template <typename ValueOf>
    void SubstituteInto(std::string_view line, std::string& out, ValueOf&& valueOf) const {
        if (!AppendSubstituted(line, out, valueOf))
            out.append(line);
    }

    // `line` itself when it holds no token (nothing copied); otherwise `scratch`, holding the line with
    // its tokens replaced.
    template <typename ValueOf>
    std::string_view Substituted(std::string_view line, std::string& scratch, ValueOf&& valueOf) const {
        scratch.clear();
        return AppendSubstituted(line, scratch, valueOf) ? std::string_view(scratch) : line;
    }

    template <typename ValueOf>
    std::string Substitute(std::string_view line, ValueOf&& valueOf) const {
        std::string result;
        SubstituteInto(line, result, std::forward<ValueOf>(valueOf));
        return result;
    }

    // Splits a comma-separated list: every piece before a comma is added; the text after the last comma
    // is given back (it is not a token yet).
    std::string AddList(std::string_view tokens);

  private:
    struct Occurrence {
        size_t position;
        size_t token;
    };
    // Where a token's last occurrence in the line ends; valid only for the line numbered `line`.
    struct FreeFrom {
        uint64_t line = 0;
        size_t position = 0;
    };

    // False, with `out` untouched, when `line` holds no token.
    template <typename ValueOf>
    bool AppendSubstituted(std::string_view line, std::string& out, ValueOf& valueOf) const {
        // Taken out while in use, so that a value that substitutes a line of its own cannot spoil it.
        std::vector<Occurrence> occurrences = std::move(mOccurrences);
        const bool apart = Find(line, occurrences);
        const bool any = !occurrences.empty();
        size_t rest = 0;
        for (const Occurrence& occurrence : occurrences) {
            const std::string& name = mNames[occurrence.token];
            // Occurrences apart from one another are where their names are next found.
            const size_t hit = apart ? occurrence.position : line.find(name, rest);
            if (hit == std::string_view::npos)
                continue;
            out.append(line.data() + rest, hit - rest);
            out.append(valueOf(occurrence.token));
            rest = hit + name.size();
        }
        if (any)
            out.append(line.data() + rest, line.size() - rest);
        mOccurrences = std::move(occurrences);
        return any;
    }

    // True when the occurrences found are apart: none overlaps the next, and every place where a token
    // occurs is one of them (no token lost to one listed earlier or to its own previous occurrence).
    bool Find(std::string_view line, std::vector<Occurrence>& found) const;
    // The next place at or after `from` where a token can start; the line's size when there is none.
    size_t NextStart(std::string_view line, size_t from) const;

    std::vector<std::string> mNames;

    // Tokens of eight characters or more, found through their first eight in one word: a hash table of
    // those words, each slot naming the first of the tokens that begin with its word (more are chained).
    // The token's last eight characters are compared next, then what lies between.
    static constexpr uint32_t kNone = UINT32_MAX;
    struct LongToken {
        uint64_t tail;
        uint32_t size;
        uint32_t token;
        uint32_t next;
    };
    struct Slot {
        uint64_t head = 0;
        uint32_t first = kNone;
    };
    void AddLong(const std::string& name, uint32_t token);
    uint32_t FirstLong(uint64_t head) const;
    // The slot that holds `head`, or the free one where it would go.
    size_t PlaceOf(uint64_t head) const;
    std::vector<LongToken> mLong;
    std::vector<Slot> mSlots;  // a power of two in number, never more than half of them taken
    size_t mHeads = 0;
    int mShift = 64;

    // Tokens of two to seven characters, by their first two: a bucket through the first character's row
    // of second characters, 0 standing for none. Compared as their characters in one word, masked.
    struct ShortToken {
        uint64_t head;
        uint64_t mask;
        uint32_t size;
        uint32_t token;
    };
    const std::vector<ShortToken>* ShortTokens(char first, char second) const;
    std::array<uint32_t, 256> mRowOfFirst{};
    std::vector<std::array<uint32_t, 256>> mRows;
    std::vector<std::vector<ShortToken>> mBuckets;
    std::vector<size_t> mSingleCharacter;
    // The characters tokens begin with, and how many different ones there are (one: a memchr finds them).
    std::array<bool, 256> mStarts{};
    int mStartCount = 0;
    char mOnlyStart = 0;
    // Scratch kept from line to line.
    mutable std::vector<Occurrence> mOccurrences;
    mutable std::vector<FreeFrom> mFreeFrom;
    mutable uint64_t mLine = 0;
};

}  // namespace core
