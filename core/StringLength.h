#pragma once
// How many characters a String property may hold: generated code keeps its value in a VB fixed-length
// string.

#include <cstdint>

#include "platform/vb/Limits.h"

namespace core {

constexpr bool IsStringLength(int32_t length) {
    return length >= vb::kMinFixedStringLength && length <= vb::kMaxFixedStringLength;
}

}  // namespace core
