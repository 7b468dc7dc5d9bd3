#include "core/TokenTable.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace core {

namespace {

size_t Byte(char c) {
    return static_cast<unsigned char>(c);
}

constexpr size_t kWord = sizeof(uint64_t);
constexpr char kAllBits[kWord] = {'\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF'};

// Up to eight bytes of `text` in one word, the rest zero: the same bytes give the same word.
uint64_t Word(const char* text, size_t size = kWord) {
    uint64_t word = 0;
    std::memcpy(&word, text, std::min(size, kWord));
    return word;
}

// Whether two texts of `size` (eight or more) characters agree between their first and last eight, a word
// at a time; what the last whole word leaves lies within the last eight.
bool MiddlesEqual(const char* text, const char* other, size_t size) {
    for (size_t at = kWord; at + kWord < size; at += kWord) {
        if (Word(text + at) != Word(other + at))
            return false;
    }
    return true;
}

}  // namespace

inline const std::vector<TokenTable::ShortToken>* TokenTable::ShortTokens(char first, char second) const {
    const uint32_t row = mRowOfFirst[Byte(first)];
    if (row == 0)
        return nullptr;
    const uint32_t bucket = mRows[row - 1][Byte(second)];
    return bucket == 0 ? nullptr : &mBuckets[bucket - 1];
}

inline size_t TokenTable::PlaceOf(uint64_t head) const {
    const size_t last = mSlots.size() - 1;
    // Fibonacci hashing: the top bits of the product mix every byte of the word.
    size_t slot = static_cast<size_t>((head * 0x9E3779B97F4A7C15ULL) >> mShift);
    while (mSlots[slot].first != kNone && mSlots[slot].head != head)
        slot = (slot + 1) & last;
    return slot;
}

inline uint32_t TokenTable::FirstLong(uint64_t head) const {
    return mSlots.empty() ? kNone : mSlots[PlaceOf(head)].first;
}

void TokenTable::AddLong(const std::string& name, uint32_t token) {
    if (2 * (mHeads + 1) > mSlots.size()) {
        std::vector<Slot> slots = std::move(mSlots);
        mSlots.assign(std::max<size_t>(16, 2 * slots.size()), Slot{});
        mShift = 64 - std::countr_zero(mSlots.size());
        for (const Slot& slot : slots) {
            if (slot.first != kNone)
                mSlots[PlaceOf(slot.head)] = slot;
        }
    }
    const uint64_t head = Word(name.data());
    Slot& slot = mSlots[PlaceOf(head)];
    if (slot.first == kNone)
        ++mHeads;
    mLong.push_back(
        {Word(name.data() + name.size() - kWord), static_cast<uint32_t>(name.size()), token, slot.first});
    slot = {head, static_cast<uint32_t>(mLong.size() - 1)};
}

void TokenTable::Add(std::string name) {
    if (name.empty())
        return;
    const size_t index = mNames.size();
    if (name.size() == 1) {
        mSingleCharacter.push_back(index);
    } else if (name.size() >= kWord) {
        AddLong(name, static_cast<uint32_t>(index));
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
        mBuckets[bucket - 1].push_back({Word(name.data(), name.size()), Word(kAllBits, name.size()),
                                        static_cast<uint32_t>(name.size()), static_cast<uint32_t>(index)});
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

inline size_t TokenTable::NextStart(std::string_view line, size_t from) const {
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
        const char* here = line.data() + position;
        if (room >= kWord) {
            for (uint32_t next = FirstLong(Word(here)); next != kNone; next = mLong[next].next) {
                const LongToken& candidate = mLong[next];
                const size_t size = candidate.size;
                if (size <= room && Word(here + size - kWord) == candidate.tail &&
                    MiddlesEqual(here, mNames[candidate.token].data(), size))
                    visit(candidate.token);
            }
        }
        if (room > 1) {
            if (const auto* candidates = ShortTokens(here[0], here[1])) {
                const uint64_t head = Word(here, room);
                for (const ShortToken& candidate : *candidates) {
                    if (candidate.size <= room && (head & candidate.mask) == candidate.head)
                        visit(candidate.token);
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
