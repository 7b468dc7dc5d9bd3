#include "patterns/forms/ControlArrays.h"

#include <algorithm>
#include <utility>

#include "platform/vb/Text.h"

namespace forms {

std::string ControlReference(const patternkit::PlacedControls& placed, std::string_view prefix,
                             const typelib::IProperty& property, std::string_view suffix) {
    const std::string name = std::string(prefix) + vb::Trim(property.Name()) + std::string(suffix);
    if (const patternkit::ArrayMember* member = placed.Member(name))
        return member->Reference();
    return std::string(prefix) + "&PropName" + std::string(suffix);
}

void ArrayEvents::Add(const patternkit::ArrayMember& member, std::string_view event,
                      std::shared_ptr<typelib::IProperty> property, std::string procedure) {
    const std::string name = member.array + "_" + std::string(event);
    auto found = std::find_if(mEvents.begin(), mEvents.end(),
                              [&](const Event& existing) { return existing.procedure == name; });
    if (found == mEvents.end())
        found = mEvents.insert(mEvents.end(), Event{name, {}});
    found->calls.push_back({member.index, std::move(property), std::move(procedure)});
}

void ArrayEvents::Write(const patternkit::Emitter& out, std::shared_ptr<typelib::IProperty>& current) const {
    for (const Event& event : mEvents) {
        out.Emit(R"vb(
            |Private Sub {{Procedure}}(Index As Integer)
            |'Hands the event to the procedure of the control it happened to
            |    Select Case Index
        )vb",
                 {{"Procedure", event.procedure}});
        for (const Call& call : event.calls) {
            current = call.property;
            out.Emit(R"vb(
                |        Case {{Index}}
                |            {{Call}}
            )vb",
                     {{"Index", std::to_string(call.index)}, {"Call", call.procedure}});
        }
        out.Emit(R"vb(
            |    End Select
            |End Sub
        )vb");
    }
}

}  // namespace forms
