#pragma once
// The lines of a code module, kept one after another in one block with where each ends: close to the
// text's own size, where a string per line would more than double it (a large application holds millions
// of lines). Appending is amortised O(1) and leaves at most about an eighth of a block unused.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace vbide {

class LineStore {
  public:
    size_t Count() const { return mEnds.Size(); }
    std::string_view operator[](size_t index) const {
        const size_t start = index == 0 ? 0 : mEnds.Data()[index - 1];
        return {mText.Data() + start, mEnds.Data()[index] - start};
    }
    // 7 when the store would pass 4 GiB.
    void Append(std::string_view line);
    void Clear();
    // Gives back the unused part of the blocks, once no more lines are expected.
    void Compact();

  private:
    // A growing array of trivially copyable values: grown in place where the allocator can, by an eighth.
    template <typename T>
    class Block {
      public:
        size_t Size() const { return mSize; }
        const T* Data() const { return mData.get(); }
        void Append(const T* values, size_t count);
        void Compact();
        void Clear() {
            mData.reset();
            mSize = mCapacity = 0;
        }

      private:
        struct Free {
            void operator()(T* data) const { std::free(data); }
        };
        std::unique_ptr<T, Free> mData;
        size_t mSize = 0;
        size_t mCapacity = 0;
    };

    Block<char> mText;
    Block<uint32_t> mEnds;
};

}  // namespace vbide
