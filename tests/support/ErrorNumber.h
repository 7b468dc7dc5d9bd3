#pragma once
// The vb::Error a call raises (number 0 when it raises none), and its number.

#include <cstdint>
#include <functional>

#include "platform/vb/Error.h"

namespace testing_support {

inline vb::Error ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const vb::Error& error) {
        return error;
    }
    return vb::Error(0);
}

inline int32_t ErrorNumberOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const vb::Error& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace testing_support
