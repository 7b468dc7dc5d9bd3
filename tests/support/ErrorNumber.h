#pragma once
// The number of the vb::Error a call raises, or 0 when it raises none.

#include <cstdint>
#include <functional>

#include "platform/vb/Error.h"

namespace testing_support {

inline int32_t ErrorNumberOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const vb::Error& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace testing_support
