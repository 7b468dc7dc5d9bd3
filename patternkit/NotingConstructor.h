#pragma once
// An engine that passes every call on to the real one and notes the controls that SetVBControl created.
// A pattern hands it to the layout procedures, then writes code only for the controls that exist: a
// control refused, cut for room or never asked for gets no line. While asked to, it makes the controls of
// some name prefixes members of control arrays, so that a wide form keeps within the names VB loads.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "patternkit/ForwardingConstructor.h"

namespace patternkit {

// A control of a control array: the array's name and the control's Index.
struct ArrayMember {
    std::string array;
    int16_t index;

    // How code names it: "txt(3)".
    std::string Reference() const { return array + "(" + std::to_string(index) + ")"; }
};

// Names of the controls placed on one form, compared ignoring case as VB compares them, each with the
// array it joined, if any.
class PlacedControls {
  public:
    void Note(std::string_view controlName);
    void NoteMember(std::string_view controlName, ArrayMember member);
    bool Has(std::string_view controlName) const;
    // The array that the control placed as `controlName` joined; null for a control that keeps its name.
    const ArrayMember* Member(std::string_view controlName) const;

  private:
    std::unordered_map<std::string, std::optional<ArrayMember>> mNames;
};

class NotingConstructor : public ForwardingConstructor {
  public:
    explicit NotingConstructor(typelib::IConstructor& engine) : ForwardingConstructor(engine) {}

    const PlacedControls& Placed() const { return mPlaced; }
    // The names noted, for whoever writes the code once the layout is done.
    PlacedControls TakePlaced() {
        JoinPendingMember();
        return std::move(mPlaced);
    }

    // From now on a control whose name begins with one of `prefixes` joins the control array named by the
    // prefix alone, its Index counted from 0 in the order placed; an empty list ends that. A control joins
    // once its properties are set, as the layout puts it into its frame by its own name first.
    void JoinArrays(const std::vector<std::string_view>& prefixes);

    int32_t SetVBControl(const std::string& controlName, const std::string& guiId) override;

  private:
    struct PendingMember {
        std::string controlName;
        ArrayMember member;
    };
    // Gives the control placed last, still the engine's current one, its Index and the array's name.
    void JoinPendingMember();

    PlacedControls mPlaced;
    std::vector<std::string> mArrayPrefixes;
    std::unordered_map<std::string, int16_t> mNextIndex;
    std::optional<PendingMember> mPending;
};

}  // namespace patternkit
