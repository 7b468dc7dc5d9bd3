#pragma once
// Whether generation measures what it writes against VB's limits: the splitter's measure of a procedure,
// the continuation of a line too long, the check of each module written. Always, except in a benchmark
// build, whose benchmark of what the limits cost times the same generation without them.

namespace vb {

#ifdef OSTREL_LIMITS_SWITCH
bool LimitsMeasured();
void MeasureLimits(bool measured);
#else
constexpr bool LimitsMeasured() {
    return true;
}
#endif

}  // namespace vb
