#include "patternkit/form_ctl_defaults.h"

#include "platform/vb/Numbers.h"

namespace patternkit {
namespace {

using Sizes = form_ctl_defaults::SizeSet;

// Text-box, command-button and option-button heights are 350 in every set; the command button is as
// wide in the average set as in the small one, and the small set's combo box is twice as wide.
constexpr Sizes kStandard{.formTitleBarHeight = 300,
                          .formMenuBarHeight = 300,
                          .maxChildrenOnList = 3,
                          .maxFormHeight = 8000,
                          .maxFormWidth = 10000,
                          .lstvwCtlHeight = 3000,
                          .lstvwCtlWidth = 6000,
                          .txtCtlWidthPerChar = 120,
                          .horzSpace = 300,
                          .vertSpace = 300,
                          .txtCtlHeight = 350,
                          .txtCtlWidth = 3000,
                          .cmdCtlHeight = 350,
                          .cmdCtlWidth = 1095,
                          .maxCntxProps = 3,
                          .maxDetailProps = 15,
                          .optCtlHeight = 350,
                          .optCtlWidth = 300,
                          .chkCtlWidth = 200,
                          .lstbxHeight = 1000,
                          .rtxtCtlHeight = 1000,
                          .rtxtCtlWidth = 2000,
                          .cmbCtlWidth = 200};
constexpr Sizes kAverage{.formTitleBarHeight = 300,
                         .formMenuBarHeight = 300,
                         .maxChildrenOnList = 3,
                         .maxFormHeight = 8000,
                         .maxFormWidth = 10000,
                         .lstvwCtlHeight = 1500,
                         .lstvwCtlWidth = 4000,
                         .txtCtlWidthPerChar = 90,
                         .horzSpace = 150,
                         .vertSpace = 150,
                         .txtCtlHeight = 350,
                         .txtCtlWidth = 2000,
                         .cmdCtlHeight = 350,
                         .cmdCtlWidth = 850,
                         .maxCntxProps = 3,
                         .maxDetailProps = 15,
                         .optCtlHeight = 350,
                         .optCtlWidth = 300,
                         .chkCtlWidth = 200,
                         .lstbxHeight = 500,
                         .rtxtCtlHeight = 1000,
                         .rtxtCtlWidth = 2000,
                         .cmbCtlWidth = 200};
constexpr Sizes kSmall{.formTitleBarHeight = 300,
                       .formMenuBarHeight = 300,
                       .maxChildrenOnList = 3,
                       .maxFormHeight = 8000,
                       .maxFormWidth = 10000,
                       .lstvwCtlHeight = 1000,
                       .lstvwCtlWidth = 3000,
                       .txtCtlWidthPerChar = 70,
                       .horzSpace = 100,
                       .vertSpace = 100,
                       .txtCtlHeight = 350,
                       .txtCtlWidth = 1000,
                       .cmdCtlHeight = 350,
                       .cmdCtlWidth = 850,
                       .maxCntxProps = 3,
                       .maxDetailProps = 15,
                       .optCtlHeight = 350,
                       .optCtlWidth = 300,
                       .chkCtlWidth = 200,
                       .lstbxHeight = 350,
                       .rtxtCtlHeight = 500,
                       .rtxtCtlWidth = 1000,
                       .cmbCtlWidth = 400};

}  // namespace

form_ctl_defaults::form_ctl_defaults() : mSizes(kStandard) {}

void form_ctl_defaults::SetStandardSize() {
    mSizes = kStandard;
}

void form_ctl_defaults::SetAverageSize() {
    mSizes = kAverage;
}

void form_ctl_defaults::SetSmallSize() {
    mSizes = kSmall;
}

int16_t form_ctl_defaults::max_available_width() const {
    return vb::IntegerSubtract(mSizes.maxFormWidth, vb::IntegerAdd(mLeft, mSizes.horzSpace));
}

int16_t form_ctl_defaults::max_available_height() const {
    return vb::IntegerSubtract(mSizes.maxFormHeight, vb::IntegerAdd(mTop, mSizes.vertSpace));
}

}  // namespace patternkit
