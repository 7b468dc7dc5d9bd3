#pragma once
// A model collection as the pattern library sees it: the model's own collection object, read in its
// order by 1-based index, by key (letter case ignored) or by iteration. Items come back as interface
// pointers to the model's own objects; nothing is copied but the pointer.
//
// The public members are not virtual: an implementation may hide them with members of the same name that
// return its own item type, so that model code gets its concrete objects and pattern code the interfaces.

#include <cstdint>
#include <iterator>
#include <string_view>

#include "platform/vb/Object.h"

namespace typelib {

template <typename V>
class ICollection : public vb::Object {
  public:
    using value_type = V;

    virtual int32_t Count() const = 0;
    // 9 (subscript out of range) for an index or a key that is not there.
    V Item(int32_t index) const { return GetItem(index); }
    V Item(std::string_view key) const { return GetItem(key); }

    class const_iterator {
      public:
        using iterator_category = std::input_iterator_tag;
        using value_type = V;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = V;

        const_iterator(const ICollection* collection, int32_t index)
            : mCollection(collection), mIndex(index) {}
        V operator*() const { return mCollection->Item(mIndex); }
        const_iterator& operator++() {
            ++mIndex;
            return *this;
        }
        const_iterator operator++(int) {
            auto copy = *this;
            ++mIndex;
            return copy;
        }
        bool operator==(const const_iterator&) const = default;

      private:
        const ICollection* mCollection;
        int32_t mIndex;
    };
    const_iterator begin() const { return {this, 1}; }
    const_iterator end() const { return {this, Count() + 1}; }

  protected:
    virtual V GetItem(int32_t index) const = 0;
    virtual V GetItem(std::string_view key) const = 0;
};

}  // namespace typelib
