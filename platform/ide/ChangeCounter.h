#pragma once
// One counter per IDE that every change to its objects advances, so that a window showing them can tell
// cheaply whether to redraw.

#include <cstdint>
#include <memory>

namespace vbide {

struct ChangeCounter {
    uint64_t value = 0;
    void Bump() { ++value; }
};

using ChangeCounterPtr = std::shared_ptr<ChangeCounter>;

}  // namespace vbide
