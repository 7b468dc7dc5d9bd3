#include "core/TokenTable.h"

#include <algorithm>

namespace core {

uint16_t TokenTable::PrefixKey(char first, char second) {
    return static_cast<uint16_t>((static_cast<unsigned char>(first) << 8) |
                                 static_cast<unsigned char>(second));
}

void TokenTable::Add(std::string name) {
    if (name.empty())
        return;
    const size_t index = mNames.size();
    if (name.size() == 1) {
        mSingleCharacter.push_back(index);
    } else {
        mByPrefix[PrefixKey(name[0], name[1])].push_back(index);
    }
    mNames.push_back(std::move(name));
}

std::string TokenTable::AddList(std::string_view tokens) {
    for (size_t comma = tokens.find(','); comma != std::string_view::npos; comma = tokens.find(',')) {
        Add(std::string(tokens.substr(0, comma)));
        tokens.remove_prefix(comma + 1);
    }
    return std::string(tokens);
}

std::vector<TokenTable::Occurrence> TokenTable::Find(std::string_view line) const {
    std::vector<Occurrence> found;
    // A token's next occurrence may not overlap its previous one.
    std::vector<size_t> freeFrom;
    for (size_t position = 0; position < line.size(); ++position) {
        size_t first = mNames.size();
        // Every token that occurs here counts as found, but only the first listed is replaced.
        auto visit = [&](size_t token) {
            const std::string& name = mNames[token];
            if (line.compare(position, name.size(), name) != 0)
                return;
            if (freeFrom.empty())
                freeFrom.assign(mNames.size(), 0);
            if (position < freeFrom[token])
                return;
            freeFrom[token] = position + name.size();
            first = std::min(first, token);
        };
        if (position + 1 < line.size()) {
            const auto candidates = mByPrefix.find(PrefixKey(line[position], line[position + 1]));
            if (candidates != mByPrefix.end()) {
                for (const size_t token : candidates->second)
                    visit(token);
            }
        }
        for (const size_t token : mSingleCharacter)
            visit(token);
        if (first < mNames.size())
            found.push_back({position, first});
    }
    return found;
}

}  // namespace core
