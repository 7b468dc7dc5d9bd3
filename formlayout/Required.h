#pragma once
// A reference the model must hold: 91 (object not set) when it does not.

#include <memory>

#include "platform/vb/Error.h"

namespace formlayout {

template <typename T>
T& Required(const std::shared_ptr<T>& reference) {
    if (!reference)
        vb::Raise(vb::kObjectNotSet);
    return *reference;
}

}  // namespace formlayout
