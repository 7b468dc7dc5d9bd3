#include "patterns/forms/ControlArrays.h"

#include <algorithm>
#include <utility>

#include "formlayout/FormControls.h"
#include "patterns/forms/FormCode.h"
#include "platform/vb/Text.h"

namespace forms {

std::string ControlReference(const patternkit::PlacedControls& placed, std::string_view prefix,
                             const typelib::IProperty& property, std::string_view suffix) {
    if (const patternkit::ArrayMember* member =
            placed.Member(formlayout::RowControlName(prefix, property, suffix)))
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

void ArrayEvents::Write(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter,
                        std::shared_ptr<typelib::IProperty>& current) const {
    for (const Event& event : mEvents) {
        std::vector<Call> calls = event.calls;
        std::ranges::sort(calls, {}, &Call::index);
        const auto index = [&](std::size_t call) { return std::to_string(calls[call].index); };
        const auto head = [&] {
            out.Emit(R"vb(
                |Private Sub {{Procedure}}(Index As Integer)
                |'Hands the event to the procedure of the control it happened to
                |    Select Case Index
            )vb",
                     {{"Procedure", event.procedure}});
        };
        const auto item = [&](std::size_t call) {
            current = calls[call].property;
            out.Emit(R"vb(
                |        Case {{Index}}
                |            {{Call}}
            )vb",
                     {{"Index", index(call)}, {"Call", calls[call].procedure}});
        };
        const auto partHead = [&](const patternkit::ProcedurePart& part) {
            out.Emit(R"vb(
                |Private Sub {{Part}}(Index As Integer)
                |    Select Case Index
            )vb",
                     {{"Part", part.name}});
        };
        // The parts hold runs of Indexes in order.
        const auto call = [&](const patternkit::ProcedurePart& part) {
            out.Emit(R"vb(
                |        Case {{First}} To {{Last}}
                |            {{Part}} Index
            )vb",
                     {{"First", index(part.first)}, {"Last", index(part.end - 1)}, {"Part", part.name}});
        };
        const auto end = [&] { out.Emit(kEndSelectEndSub); };
        splitter.Write({.name = event.procedure,
                        .head = head,
                        .items = calls.size(),
                        .item = item,
                        .tail = end,
                        .partHead = partHead,
                        .partTail = [&](const patternkit::ProcedurePart&) { end(); },
                        .call = call});
    }
}

}  // namespace forms
