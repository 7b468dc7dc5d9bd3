#include "platform/ide/LineStore.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/vb/Error.h"

namespace vbide {
namespace {

// From this size a block has a mapping of its own, kept until it is cleared: it grows by moving pages, not
// bytes, and only the pages written are taken. Below it, the heap keeps small modules from taking a page
// each.
constexpr size_t kOwnMappingFrom = size_t{1} << 20;
constexpr size_t kFirstBytes = 1024;

size_t PageRounded(size_t bytes) {
    static const auto page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

}  // namespace

template <typename T>
void LineStore::Block<T>::Push(const T* values, size_t count) {
    if (count > 0)
        std::memcpy(mData + mSize, values, count * sizeof(T));
    mSize += count;
}

template <typename T>
void LineStore::Block<T>::Grow(size_t count) {
    if (count > std::numeric_limits<size_t>::max() / sizeof(T) - mSize)
        vb::Raise(vb::kOutOfMemory);
    const size_t wanted = std::max({mSize + count, mCapacity * 2, kFirstBytes / sizeof(T)});
    if (!MoveTo(wanted))
        vb::Raise(vb::kOutOfMemory);
}

template <typename T>
void LineStore::Block<T>::Reserve(size_t count) {
    if (count > mCapacity - mSize && !MoveTo(mSize + count))
        vb::Raise(vb::kOutOfMemory);
}

template <typename T>
void LineStore::Block<T>::Compact() {
    if (mSize == 0) {
        Clear();
        return;
    }
    // When there is no memory to move to, the block stays as it was.
    if (mSize != mCapacity)
        (void)MoveTo(mSize);
}

template <typename T>
bool LineStore::Block<T>::MoveTo(size_t capacity) {
    const size_t bytes = capacity * sizeof(T);
    const size_t used = mSize * sizeof(T);
    const size_t held = mCapacity * sizeof(T);
    if (mMapped || bytes >= kOwnMappingFrom) {
        const size_t mapped = PageRounded(bytes);
        void* data =
            mMapped ? ::mremap(mData, held, mapped, MREMAP_MAYMOVE)
                    : ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (data != MAP_FAILED) {
            if (!mMapped) {
                if (used > 0)
                    std::memcpy(data, mData, used);
                std::free(mData);
            }
            mData = static_cast<T*>(data);
            mCapacity = mapped / sizeof(T);
            mMapped = true;
            return true;
        }
        // The number of mappings is limited: the heap takes the block instead.
    }
    void* data = mMapped ? std::malloc(bytes) : std::realloc(mData, bytes);
    if (data == nullptr)
        return false;
    if (mMapped) {
        std::memcpy(data, mData, used);
        ::munmap(mData, held);
    }
    mData = static_cast<T*>(data);
    mCapacity = capacity;
    mMapped = false;
    return true;
}

template <typename T>
void LineStore::Block<T>::Release() {
    if (mMapped)
        ::munmap(mData, mCapacity * sizeof(T));
    else
        std::free(mData);
}

template <typename T>
void LineStore::Block<T>::Swap(Block& other) noexcept {
    std::swap(mData, other.mData);
    std::swap(mSize, other.mSize);
    std::swap(mCapacity, other.mCapacity);
    std::swap(mMapped, other.mMapped);
}

template class LineStore::Block<char>;
template class LineStore::Block<uint16_t>;
template class LineStore::Block<uint32_t>;

void LineStore::Append(std::string_view line) {
    const size_t start = mText.Size();
    if (line.size() > std::numeric_limits<uint32_t>::max() - start)
        vb::Raise(vb::kOutOfMemory);
    const size_t end = start + line.size();
    // Room first, so that a failure leaves the store as it was.
    mText.MakeRoom(line.size());
    if (!mWide) {
        const size_t index = mEnds.Size();
        const bool opensGroup = index % kGroup == 0;
        const size_t groupStart = opensGroup ? start : mGroupStarts[index / kGroup];
        if (end - groupStart <= std::numeric_limits<uint16_t>::max()) {
            mEnds.MakeRoom(1);
            if (opensGroup) {
                mGroupStarts.MakeRoom(1);
                mGroupStarts.Push(static_cast<uint32_t>(start));
            }
            mEnds.Push(static_cast<uint16_t>(end - groupStart));
            mText.Push(line.data(), line.size());
            return;
        }
        Widen();
    }
    mWideEnds.MakeRoom(1);
    mWideEnds.Push(static_cast<uint32_t>(end));
    mText.Push(line.data(), line.size());
}

void LineStore::Widen() {
    Block<uint32_t> ends;
    ends.Reserve(mEnds.Size() + 1);
    for (size_t i = 0; i < mEnds.Size(); ++i)
        ends.Push(static_cast<uint32_t>(End(i)));
    mWideEnds = std::move(ends);
    mEnds.Clear();
    mGroupStarts.Clear();
    mWide = true;
}

void LineStore::Reserve(size_t lines, size_t bytes) {
    mText.Reserve(bytes);
    if (mWide) {
        mWideEnds.Reserve(lines);
        return;
    }
    mEnds.Reserve(lines);
    mGroupStarts.Reserve((mEnds.Size() + lines + kGroup - 1) / kGroup - mGroupStarts.Size());
}

void LineStore::Compact() {
    mText.Compact();
    mEnds.Compact();
    mGroupStarts.Compact();
    mWideEnds.Compact();
}

void LineStore::Clear() {
    mText.Clear();
    mEnds.Clear();
    mGroupStarts.Clear();
    mWideEnds.Clear();
    mWide = false;
}

}  // namespace vbide
