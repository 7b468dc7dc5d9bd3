#include "core/TokenTable.h"

#include <algorithm>
#include <cstring>

namespace core {

namespace {

size_t Byte(char c) {
    return static_cast<unsigned char>(c);
}

}  // namespace

const std::vector<TokenTable::Candidate>* TokenTable::Candidates(char first, char second) const {
    const uint32_t row = mRowOfFirst[Byte(first)];
    if (row == 0)
        return nullptr;
    const uint32_t bucket = mRows[row - 1][Byte(second)];
    return bucket == 0 ? nullptr : &mBuckets[bucket - 1];
}

void TokenTable::Add(std::string name) {
    if (name.empty())
        return;
    const size_t index = mNames.size();
    if (name.size() == 1) {
        mSingleCharacter.push_back(index);
    } else {
        uint32_t& row = mRowOfFirst[Byte(name[0])];
        if (row == 0) {
            mRows.emplace_back();
            mRows.back().fill(0);
            row = static_cast<uint32_t>(mRows.size());
        }
        uint32_t& bucket = mRows[row - 1][Byte(name[1])];
        if (bucket == 0) {
            mBuckets.emplace_back();
            bucket = static_cast<uint32_t>(mBuckets.size());
        }
        mBuckets[bucket - 1].push_back({index, name.size(), name.back()});
    }
    bool& starts = mStarts[Byte(name[0])];
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
    while (from < line.size() && !mStarts[Byte(line[from])])
        ++from;
    return from;
}

bool TokenTable::Find(std::string_view line, std::vector<Occurrence>& found) const {
    found.clear();
    if (mNames.empty())
        return true;
    // A token's next occurrence may not overlap its previous one.
    ++mLine;
    bool apart = true;
    size_t free = 0;
    for (size_t position = NextStart(line, 0); position < line.size();
         position = NextStart(line, position + 1)) {
        size_t first = mNames.size();
        size_t matches = 0;
        // Every token that occurs here counts as found, but only the first listed is replaced.
        auto visit = [&](size_t token) {
            FreeFrom& previous = mFreeFrom[token];
            ++matches;
            if (previous.line == mLine && position < previous.position)
                return;
            previous = {mLine, position + mNames[token].size()};
            first = std::min(first, token);
        };
        const size_t room = line.size() - position;
        if (room > 1) {
            if (const auto* candidates = Candidates(line[position], line[position + 1])) {
                for (const Candidate& candidate : *candidates) {
                    if (candidate.size <= room && line[position + candidate.size - 1] == candidate.last &&
                        line.compare(position, candidate.size, mNames[candidate.token]) == 0) {
                        visit(candidate.token);
                    }
                }
            }
        }
        for (const size_t token : mSingleCharacter) {
            if (line[position] == mNames[token][0])
                visit(token);
        }
        if (first < mNames.size()) {
            apart = apart && matches == 1 && position >= free;
            free = position + mNames[first].size();
            found.push_back({position, first});
        } else {
            apart = apart && matches == 0;
        }
    }
    return apart;
}

}  // namespace core
