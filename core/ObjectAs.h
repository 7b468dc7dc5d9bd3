#pragma once
// Object setters that accept any object but hold one class: VB's typed Set, where anything else is a
// type mismatch. Nothing is accepted, as VB accepts it.

#include <memory>

#include "platform/vb/Error.h"
#include "platform/vb/Object.h"

namespace core {

template <typename T>
std::shared_ptr<T> ObjectAs(const vb::ObjectPtr& value) {
    auto typed = std::dynamic_pointer_cast<T>(value);
    if (value && !typed)
        vb::Raise(vb::kTypeMismatch);
    return typed;
}

}  // namespace core
