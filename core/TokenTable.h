#pragma once
// The engine's token list and the substitution of tokens in a generated line.
//
// Every occurrence of every listed token is replaced by its value, also inside longer words; values are
// never searched again. Occurrences are taken in order of position; where two tokens start at one
// position (possible only with added tokens), the one listed first wins. The scan visits each position
// of the line once and compares only the tokens that begin with the two characters found there, so a
// line costs time in proportion to its length, not to the number of tokens.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace core {

class TokenTable {
  public:
    // Appends a token; an empty name is ignored (it would match everywhere).
    void Add(std::string name);

    size_t Count() const { return mNames.size(); }
    const std::string& Name(size_t index) const { return mNames[index]; }

    // `valueOf(index)` gives the value of the token at `index`, computed once per occurrence, in the
    // order of the occurrences in the line.
    template <typename ValueOf>
    std::string Substitute(std::string_view line, ValueOf&& valueOf) const {
        const std::vector<Occurrence> occurrences = Find(line);
        if (occurrences.empty())
            return std::string(line);
        std::string result;
        result.reserve(line.size() + 16 * occurrences.size());
        size_t rest = 0;
        for (const Occurrence& occurrence : occurrences) {
            const std::string& name = mNames[occurrence.token];
            const size_t hit = line.find(name, rest);
            if (hit == std::string_view::npos)
                continue;
            result.append(line.substr(rest, hit - rest));
            result.append(valueOf(occurrence.token));
            rest = hit + name.size();
        }
        result.append(line.substr(rest));
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

    std::vector<Occurrence> Find(std::string_view line) const;
    static uint16_t PrefixKey(char first, char second);

    std::vector<std::string> mNames;
    // Tokens by their first two characters (one-character tokens under key of the first alone).
    std::unordered_map<uint16_t, std::vector<size_t>> mByPrefix;
    std::vector<size_t> mSingleCharacter;
};

}  // namespace core
