#pragma once
// How many characters a String property may hold: generated code keeps its value in a VB fixed-length
// string, which VB declares with 1 to 65,526 characters and refuses to compile otherwise.

#include <cstdint>

namespace core {

inline constexpr int32_t kMinStringLength = 1;
inline constexpr int32_t kMaxStringLength = 65526;

constexpr bool IsStringLength(int32_t length) {
    return length >= kMinStringLength && length <= kMaxStringLength;
}

}  // namespace core
