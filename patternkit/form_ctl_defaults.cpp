#include "patternkit/form_ctl_defaults.h"

#include "formlayout/FormRoom.h"

namespace patternkit {

form_ctl_defaults::form_ctl_defaults() : mSizes(formlayout::kStandardSizes) {}

void form_ctl_defaults::SetStandardSize() {
    mSizes = formlayout::kStandardSizes;
}

void form_ctl_defaults::SetAverageSize() {
    mSizes = formlayout::kAverageSizes;
}

void form_ctl_defaults::SetSmallSize() {
    mSizes = formlayout::kSmallSizes;
}

void form_ctl_defaults::SetSizes(const formlayout::SizeSet& sizes) {
    mSizes = sizes;
}

int16_t form_ctl_defaults::max_available_width() const {
    return formlayout::RoomRight(mSizes.maxFormWidth, mLeft, mSizes).value();
}

int16_t form_ctl_defaults::max_available_height() const {
    return formlayout::RoomBelow(mSizes.maxFormHeight, mTop, mSizes).value();
}

}  // namespace patternkit
