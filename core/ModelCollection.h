#pragma once
// A keyed collection of the model that is also the pattern library's view of it: the model code uses the
// full vb::Collection (Add with a key, Remove, typed Item, iteration over its own objects), while the
// same object, seen as typelib::ICollection<V>, hands out each stored item converted to V.

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/vb/Collection.h"
#include "typelib/ICollection.h"

namespace core {

template <typename Stored, typename V>
class ModelCollection final : public typelib::ICollection<V>, public vb::Collection<Stored> {
    using Items = vb::Collection<Stored>;

  public:
    using value_type = Stored;
    using Items::begin;
    using Items::end;
    using Items::Item;

    int32_t Count() const override { return Items::Count(); }

  private:
    V GetItem(int32_t index) const override { return Items::Item(index); }
    V GetItem(std::string_view key) const override { return Items::Item(key); }
};

template <typename T, typename Interface>
using ObjectCollection = ModelCollection<std::shared_ptr<T>, std::shared_ptr<Interface>>;

}  // namespace core
