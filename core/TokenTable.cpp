#include "core/TokenTable.h"

#include <algorithm>
#include <cstring>

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
    bool& starts = mStarts[static_cast<unsigned char>(name[0])];
    if (!starts) {
        starts = true;
        ++mStartCount;
        mOnlyStart = name[0];
    }
    mNames.push_back(std::move(name));
    mFreeFrom.emplace_back();
}

std::string TokenTable::AddList(std::string_view tokens) {
    for (size_t comma = tokens.find(','); comma != std::string_view::npos; comma = tokens.find(',')) {
        Add(std::string(tokens.substr(0, comma)));
        tokens.remove_prefix(comma + 1);
    }
    return std::string(tokens);
}

size_t TokenTable::NextStart(std::string_view line, size_t from) const {
    if (mStartCount == 1) {
        const void* hit = std::memchr(line.data() + from, mOnlyStart, line.size() - from);
        return hit == nullptr ? line.size()
                              : static_cast<size_t>(static_cast<const char*>(hit) - line.data());
    }
    while (from < line.size() && !mStarts[static_cast<unsigned char>(line[from])])
        ++from;
    return from;
}

void TokenTable::Find(std::string_view line, std::vector<Occurrence>& found) const {
    found.clear();
    if (mNames.empty())
        return;
    // A token's next occurrence may not overlap its previous one.
    ++mLine;
    for (size_t position = NextStart(line, 0); position < line.size();
         position = NextStart(line, position + 1)) {
        size_t first = mNames.size();
        // Every token that occurs here counts as found, but only the first listed is replaced.
        auto visit = [&](size_t token) {
            const std::string& name = mNames[token];
            // Many tokens share their first characters ("&Prop..."): their last one tells them apart
            // before the whole name is compared.
            if (name.size() > line.size() - position || line[position + name.size() - 1] != name.back() ||
                line.compare(position, name.size(), name) != 0) {
                return;
            }
            FreeFrom& free = mFreeFrom[token];
            if (free.line == mLine && position < free.position)
                return;
            free = {mLine, position + name.size()};
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
}

}  // namespace core
