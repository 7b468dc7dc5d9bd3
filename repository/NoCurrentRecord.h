#pragma once
// The engine's error for a row that a step relies on and that is not there.

#include <cstdint>
#include <string_view>

#include "platform/vb/Error.h"

namespace repository {

inline constexpr int32_t kNoCurrentRecord = 3021;

[[noreturn]] inline void RaiseNoCurrentRecord(std::string_view source) {
    vb::Raise(kNoCurrentRecord, source, "No current record.");
}

}  // namespace repository
