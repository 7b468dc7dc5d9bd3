#include "platform/vb/LimitsMeasured.h"

namespace vb {
namespace {

bool measured = true;  // one for the process: both libraries share this runtime

}  // namespace

bool LimitsMeasured() {
    return measured;
}

void MeasureLimits(bool value) {
    measured = value;
}

}  // namespace vb
