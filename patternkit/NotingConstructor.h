#pragma once
// An engine that passes every call on to the real one and notes the controls that SetVBControl created.
// A pattern hands it to the layout procedures, then writes code only for the controls that exist: a
// control refused, cut for room or never asked for gets no line.

#include <string>
#include <string_view>
#include <unordered_set>

#include "patternkit/ForwardingConstructor.h"

namespace patternkit {

// Names of the controls placed on one form, compared ignoring case as VB compares them.
class PlacedControls {
  public:
    void Note(std::string_view controlName);
    bool Has(std::string_view controlName) const;

  private:
    std::unordered_set<std::string> mNames;
};

class NotingConstructor : public ForwardingConstructor {
  public:
    explicit NotingConstructor(typelib::IConstructor& engine) : ForwardingConstructor(engine) {}

    const PlacedControls& Placed() const { return mPlaced; }
    // The names noted, for whoever writes the code once the layout is done.
    PlacedControls TakePlaced() { return std::move(mPlaced); }

    int32_t SetVBControl(const std::string& controlName, const std::string& guiId) override;

  private:
    PlacedControls mPlaced;
};

}  // namespace patternkit
