#include "core/StatusSink.h"

namespace core {
namespace {

StatusSink* gSink = nullptr;

}  // namespace

StatusSink* CurrentStatusSink() {
    return gSink;
}

ScopedStatusSink::ScopedStatusSink(StatusSink& sink) : mPrevious(gSink) {
    gSink = &sink;
}
ScopedStatusSink::~ScopedStatusSink() {
    gSink = mPrevious;
}

}  // namespace core
