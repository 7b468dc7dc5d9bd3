#pragma once
// A 64-bit whole number as VB holds one, which has no 64-bit integer: a Long where it fits, else a Double.

#include <cstdint>
#include <limits>

#include "platform/vb/Variant.h"

namespace dao {

inline vb::Variant WholeNumberValue(int64_t value) {
    if (value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max())
        return vb::Variant(static_cast<int32_t>(value));
    return vb::Variant(static_cast<double>(value));
}

}  // namespace dao
