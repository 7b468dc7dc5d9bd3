#pragma once
// A pattern for the engine's benchmarks, in a library of its own registered by ProgID ("Bench.Pattern"):
// its Build runs the body set before BuildPattern, with the property Amount (Currency) as current.

#include <functional>

#include "typelib/IConstructor.h"

namespace benchpatterns {

void SetBody(std::function<void(typelib::IConstructor&)> body);

}  // namespace benchpatterns
