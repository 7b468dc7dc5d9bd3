#pragma once
// The two checks VB makes on an object reference: using one that is not set (91), and assigning an
// object of another class to a typed member (13).

#include <memory>

#include "platform/vb/Error.h"
#include "platform/vb/Object.h"

namespace core {

using vb::Required;

// A typed Set that takes any object: anything but a T is a type mismatch. Nothing is accepted, as VB
// accepts it.
template <typename T>
std::shared_ptr<T> ObjectAs(const vb::ObjectPtr& value) {
    auto typed = std::dynamic_pointer_cast<T>(value);
    if (value && !typed)
        vb::Raise(vb::kTypeMismatch);
    return typed;
}

}  // namespace core
