#pragma once
// Placing one control on the form being built: the engine creates it, and only when it did are the
// control put into its frame and its properties set, in the order the caller gives them. A refused
// control is reported through the continue question, naming the control.

#include <string>

#include "patternkit/LayoutTwips.h"
#include "patternkit/form_ctl_defaults.h"
#include "platform/vb/Variant.h"
#include "typelib/IConstructor.h"

namespace patternkit::Common {

class PlacedControl {
  public:
    PlacedControl(typelib::IConstructor& engine, std::string name, const std::string& progId);

    bool Placed() const { return mPlaced; }
    // Refused, and the developer answered No: the caller places nothing more.
    bool Stopped() const { return mStopped; }

    PlacedControl& InFrame(const std::string& frameName);
    PlacedControl& Set(const std::string& propertyName, const vb::Variant& value);

  private:
    typelib::IConstructor& mEngine;
    std::string mName;
    bool mPlaced;
    bool mStopped;
};

// The width rule of a row: the form widens to what the row needs, but never past `max_form_width`; a row
// that needs more sets the form to exactly that.
void WidenFormForRow(form_ctl_defaults& layout, Twips need);

}  // namespace patternkit::Common
