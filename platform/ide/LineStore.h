#pragma once
// The lines of a code module, kept one after another in one block with where each ends: close to the
// text's own size, where a string per line would more than double it (a large application holds millions
// of lines). A line's end takes two bytes, counted from the start of its group of 64 lines (which takes
// four); a store with a group longer than 64 KiB keeps four-byte ends instead, for every line.
// Appending is amortised O(1) and copies little: a block doubles while it is small, and a large one has a
// mapping of its own that grows without being copied and never holds more than a page unused.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace vbide {

class LineStore {
  public:
    size_t Count() const { return mWide ? mWideEnds.Size() : mEnds.Size(); }
    // The size of the text, every line's together.
    size_t Bytes() const { return mText.Size(); }
    // Every line's text together, without breaks.
    std::string_view Text() const { return {mText.Data(), mText.Size()}; }
    std::string_view operator[](size_t index) const {
        const size_t start = Start(index);
        return {mText.Data() + start, End(index) - start};
    }
    // Calls `visit` with each line in order, a line's start taken from the one before: the way over a whole
    // module that costs least a line.
    template <typename Visit>
    void ForEach(Visit&& visit) const {
        size_t start = 0;
        for (size_t index = 0, count = Count(); index < count; ++index) {
            const size_t end = End(index);
            visit(std::string_view(mText.Data() + start, end - start));
            start = end;
        }
    }
    // 7 when the store would pass 4 GiB.
    void Append(std::string_view line);
    // Room for `lines` more lines of `bytes` in all, so that a store filled at once is not grown step by
    // step and keeps nothing unused; 7 when there is no memory.
    void Reserve(size_t lines, size_t bytes);
    void Clear();
    // Gives back the unused part of the blocks, once no more lines are expected.
    void Compact();

  private:
    static constexpr size_t kGroup = 64;

    // A growing array of trivially copyable values.
    template <typename T>
    class Block {
      public:
        Block() = default;
        Block(Block&& other) noexcept { Swap(other); }
        Block& operator=(Block&& other) noexcept {
            Block(std::move(other)).Swap(*this);
            return *this;
        }
        ~Block() { Release(); }

        size_t Size() const { return mSize; }
        const T* Data() const { return mData; }
        T operator[](size_t index) const { return mData[index]; }
        // Makes room for `count` more values (7 when there is no memory); Push then cannot fail.
        void MakeRoom(size_t count) {
            if (count > mCapacity - mSize)
                Grow(count);
        }
        void Push(T value) { mData[mSize++] = value; }
        void Push(const T* values, size_t count);
        void Reserve(size_t count);
        void Compact();
        void Clear() { Block().Swap(*this); }

      private:
        void Grow(size_t count);
        // Moves the values into storage for `capacity` values; false when there is no memory.
        bool MoveTo(size_t capacity);
        void Release();
        void Swap(Block& other) noexcept;

        T* mData = nullptr;
        size_t mSize = 0;
        size_t mCapacity = 0;
        bool mMapped = false;
    };

    size_t Start(size_t index) const {
        if (mWide)
            return index == 0 ? 0 : mWideEnds[index - 1];
        return mGroupStarts[index / kGroup] + (index % kGroup == 0 ? 0 : mEnds[index - 1]);
    }
    size_t End(size_t index) const {
        return mWide ? mWideEnds[index] : mGroupStarts[index / kGroup] + mEnds[index];
    }
    // Gives every line a four-byte end, for a group past what two bytes can count.
    void Widen();

    Block<char> mText;
    // Each line's end from the start of its group, and where each group starts; or, once wide, each end.
    Block<uint16_t> mEnds;
    Block<uint32_t> mGroupStarts;
    Block<uint32_t> mWideEnds;
    bool mWide = false;
};

}  // namespace vbide
