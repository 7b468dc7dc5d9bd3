#include "platform/ide/LineStore.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/vb/Error.h"

namespace vbide {

template <typename T>
void LineStore::Block<T>::Append(const T* values, size_t count) {
    if (mSize + count > mCapacity) {
        // An eighth more keeps the unused part small; the first steps are 1 KiB so small modules stay
        // small without being copied at every line.
        const size_t wanted = std::max(mSize + count, mCapacity + std::max(mCapacity / 8, 1024 / sizeof(T)));
        void* grown = std::realloc(mData.get(), wanted * sizeof(T));
        if (grown == nullptr)
            vb::Raise(vb::kOutOfMemory);
        (void)mData.release();
        mData.reset(static_cast<T*>(grown));
        mCapacity = wanted;
    }
    if (count > 0)
        std::memcpy(mData.get() + mSize, values, count * sizeof(T));
    mSize += count;
}

template <typename T>
void LineStore::Block<T>::Compact() {
    if (mSize == mCapacity)
        return;
    if (mSize == 0) {
        Clear();
        return;
    }
    // Shrinking in place does not move the block; when the allocator cannot, the block stays as it was.
    if (void* shrunk = std::realloc(mData.get(), mSize * sizeof(T))) {
        (void)mData.release();
        mData.reset(static_cast<T*>(shrunk));
        mCapacity = mSize;
    }
}

void LineStore::Append(std::string_view line) {
    if (line.size() > std::numeric_limits<uint32_t>::max() - mText.Size())
        vb::Raise(vb::kOutOfMemory);
    mText.Append(line.data(), line.size());
    const auto end = static_cast<uint32_t>(mText.Size());
    mEnds.Append(&end, 1);
}

void LineStore::Compact() {
    mText.Compact();
    mEnds.Compact();
}

void LineStore::Clear() {
    mText.Clear();
    mEnds.Clear();
}

}  // namespace vbide
