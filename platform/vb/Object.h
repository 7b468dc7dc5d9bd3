#pragma once
// The base of every automation object: what a Variant holds when it holds an object, and what creation
// by ProgID hands out. Callers ask for the interface they need with std::dynamic_pointer_cast.

#include <memory>

#include "platform/vb/Error.h"

namespace vb {

class Object {
  public:
    virtual ~Object() = default;
};

using ObjectPtr = std::shared_ptr<Object>;

// The object behind a reference; 91 (object not set) when there is none, as reading through Nothing does.
template <typename T>
T& Required(const std::shared_ptr<T>& reference) {
    if (!reference)
        Raise(kObjectNotSet);
    return *reference;
}

}  // namespace vb
