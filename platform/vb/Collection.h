#pragma once
// VB's Collection: ordered, 1-based, with optional keys that are compared ignoring letter case.
// Errors: 9 for an index or key that is not there, 457 for a key that is there already, 5 for a
// before/after position that does not name an item.

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vb {

template <typename T>
class Collection {
  public:
    using value_type = T;

    struct Position {
        std::optional<int32_t> index;
        std::optional<std::string> key;
    };
    static Position At(int32_t index) { return {index, std::nullopt}; }
    static Position AtKey(std::string key) { return {std::nullopt, std::move(key)}; }

    int32_t Count() const { return static_cast<int32_t>(mEntries.size()); }

    // Adds at the end, or before/after the item named by `before` or `after` (give at most one).
    void Add(T item, std::string_view key = {}, std::optional<Position> before = std::nullopt,
             std::optional<Position> after = std::nullopt) {
        if (before && after)
            Raise(kInvalidProcedureCall);
        std::string folded;
        if (!key.empty()) {
            folded = FoldCase(key);
            if (mIndexByKey.contains(folded))
                Raise(kDuplicateKey);
        }
        size_t at = mEntries.size();
        if (before)
            at = OffsetOf(*before);
        if (after)
            at = OffsetOf(*after) + 1;
        mEntries.insert(mEntries.begin() + static_cast<std::ptrdiff_t>(at),
                        Entry{std::move(item), std::string(key), folded});
        if (at + 1 == mEntries.size()) {
            if (!folded.empty())
                mIndexByKey.emplace(std::move(folded), at);
        } else {
            Reindex(at);
        }
    }

    const T& Item(int32_t index) const { return mEntries[OffsetOfIndex(index)].value; }
    T& Item(int32_t index) { return mEntries[OffsetOfIndex(index)].value; }
    const T& Item(std::string_view key) const { return mEntries[OffsetOfKey(key)].value; }
    T& Item(std::string_view key) { return mEntries[OffsetOfKey(key)].value; }

    bool Exists(std::string_view key) const { return mIndexByKey.contains(FoldCase(key)); }
    // The key an item was added with ("" for none).
    const std::string& KeyOf(int32_t index) const { return mEntries[OffsetOfIndex(index)].key; }

    void Remove(int32_t index) { Erase(OffsetOfIndex(index)); }
    void Remove(std::string_view key) { Erase(OffsetOfKey(key)); }
    void Clear() {
        mEntries.clear();
        mIndexByKey.clear();
    }

    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;
        explicit const_iterator(typename std::vector<typename Collection::Entry>::const_iterator it)
            : mIt(it) {}
        const T& operator*() const { return mIt->value; }
        const T* operator->() const { return &mIt->value; }
        const_iterator& operator++() {
            ++mIt;
            return *this;
        }
        const_iterator operator++(int) {
            auto copy = *this;
            ++mIt;
            return copy;
        }
        bool operator==(const const_iterator&) const = default;

      private:
        typename std::vector<typename Collection::Entry>::const_iterator mIt;
    };
    const_iterator begin() const { return const_iterator(mEntries.begin()); }
    const_iterator end() const { return const_iterator(mEntries.end()); }

  private:
    struct Entry {
        T value;
        std::string key;
        std::string foldedKey;
    };

    size_t OffsetOfIndex(int32_t index) const {
        if (index < 1 || index > Count())
            Raise(kSubscriptOutOfRange);
        return static_cast<size_t>(index - 1);
    }

    size_t OffsetOfKey(std::string_view key) const {
        const auto found = mIndexByKey.find(FoldCase(key));
        if (found == mIndexByKey.end())
            Raise(kSubscriptOutOfRange);
        return found->second;
    }

    size_t OffsetOf(const Position& position) const {
        try {
            return position.key ? OffsetOfKey(*position.key) : OffsetOfIndex(position.index.value_or(0));
        } catch (const Error&) {
            Raise(kInvalidProcedureCall);
        }
    }

    void Erase(size_t offset) {
        if (!mEntries[offset].foldedKey.empty())
            mIndexByKey.erase(mEntries[offset].foldedKey);
        mEntries.erase(mEntries.begin() + static_cast<std::ptrdiff_t>(offset));
        if (offset < mEntries.size())
            Reindex(offset);
    }

    // Positions from `from` on have moved.
    void Reindex(size_t from) {
        for (size_t i = from; i < mEntries.size(); ++i) {
            if (!mEntries[i].foldedKey.empty())
                mIndexByKey[mEntries[i].foldedKey] = i;
        }
    }

    std::vector<Entry> mEntries;
    std::unordered_map<std::string, size_t> mIndexByKey;
};

}  // namespace vb
