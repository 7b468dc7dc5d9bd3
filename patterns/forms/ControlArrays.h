#pragma once
// How a form's code names the controls of its property rows when some joined control arrays (a wide form
// keeps within the control names VB loads that way), and the arrays' event procedures.
//
// A member's own procedures are written as for a control of its own ("Private Sub txt&PropName_GotFocus()"),
// naming the control by its member ("txt(3)"). VB sends the events of every member to one procedure of
// the array, "txt_GotFocus(Index As Integer)", which calls the member's procedure by its Index.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "patternkit/Emitter.h"
#include "patternkit/NotingConstructor.h"
#include "patternkit/ProcedureSplitter.h"
#include "typelib/IProperty.h"

namespace forms {

// The control placed as `prefix` & the property's trimmed name & `suffix`: its member ("txt(3)") when it
// joined an array, else prefix & "&PropName" & suffix, for the engine to resolve.
std::string ControlReference(const patternkit::PlacedControls& placed, std::string_view prefix,
                             const typelib::IProperty& property, std::string_view suffix = {});

class ArrayEvents {
  public:
    // The member's `event` ("GotFocus") calls `procedure`, a name in tokens of `property`.
    void Add(const patternkit::ArrayMember& member, std::string_view event,
             std::shared_ptr<typelib::IProperty> property, std::string procedure);
    // The procedure of each array and event, in the order first added; `current` is set to the property
    // of each call, as the engine resolves its tokens from it.
    // `out` writes through `splitter`, which splits a procedure of many members into parts of runs of
    // Indexes.
    void Write(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter,
               std::shared_ptr<typelib::IProperty>& current) const;

  private:
    struct Call {
        int16_t index;
        std::shared_ptr<typelib::IProperty> property;
        std::string procedure;
    };
    struct Event {
        std::string procedure;  // "<array>_<event>"
        std::vector<Call> calls;
    };
    std::vector<Event> mEvents;
};

}  // namespace forms
