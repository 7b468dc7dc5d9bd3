#pragma once
// Shared by the IDE tests: expecting a vb::Error of a given number.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/vb/Error.h"

namespace vbide {

// The error the call raises; a test failure when it raises none.
inline vb::Error ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const vb::Error& error) {
        return error;
    }
    ADD_FAILURE() << "no error raised";
    return vb::Error(0, "none");
}

}  // namespace vbide
