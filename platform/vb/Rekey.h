#pragma once
// Re-keying an item of a Collection where it stands, so that the order of the collection does not change.

#include <cstdint>
#include <string>
#include <utility>

namespace vb {

// The position of `item` in `items`, or 0.
template <typename Items, typename Item>
int32_t IndexOf(const Items& items, const Item& item) {
    for (int32_t i = 1; i <= items.Count(); ++i) {
        if (items.Item(i) == item)
            return i;
    }
    return 0;
}

template <typename Items>
void Rekey(Items& items, int32_t index, const std::string& newKey) {
    auto item = items.Item(index);
    items.Remove(index);
    if (index <= items.Count())
        items.Add(std::move(item), newKey, Items::At(index));
    else
        items.Add(std::move(item), newKey);
}

}  // namespace vb
