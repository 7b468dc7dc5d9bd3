#include "platform/ide/CommandBars.h"

#include <algorithm>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {

void CommandBarEvents::RaiseClick(const std::shared_ptr<CommandBarControl>& control, bool& handled,
                                  bool& cancelDefault) const {
    for (const auto& handler : mHandlers)
        handler(control, handled, cancelDefault);
}

CommandBarControl::CommandBarControl(std::weak_ptr<CommandBar> bar, ChangeCounterPtr changes)
    : mBar(std::move(bar)), mChanges(std::move(changes)) {}

void CommandBarControl::SetCaption(std::string caption) {
    mCaption = std::move(caption);
    mChanges->Bump();
}

void CommandBarControl::Delete() {
    if (auto bar = mBar.lock())
        bar->Controls().Remove(this);
    mBar.reset();
}

void CommandBarControl::Execute() {
    bool handled = false;
    bool cancelDefault = false;
    // A handler may release its event source or delete the button, so work on a copy.
    const auto listeners = mListeners;
    for (const auto& listener : listeners) {
        if (auto events = listener.lock())
            events->RaiseClick(shared_from_this(), handled, cancelDefault);
    }
}

std::shared_ptr<CommandBarControl> CommandBarControls::Add(int32_t type) {
    if (type != msoControlButton)
        vb::Raise(vb::kInvalidProcedureCall);
    auto control = std::make_shared<CommandBarControl>(mBar.weak_from_this(), mChanges);
    mControls.push_back(control);
    mChanges->Bump();
    return control;
}

std::shared_ptr<CommandBarControl> CommandBarControls::Item(int32_t index) const {
    if (index < 1 || index > Count())
        vb::Raise(vb::kSubscriptOutOfRange);
    return mControls[static_cast<size_t>(index - 1)];
}

void CommandBarControls::Remove(const CommandBarControl* control) {
    std::erase_if(mControls, [&](const auto& held) { return held.get() == control; });
    mChanges->Bump();
}

CommandBars::CommandBars(ChangeCounterPtr changes) : mChanges(std::move(changes)) {
    for (const char* name : {"Menu Bar", "Standard", "Add-Ins"}) {
        mBars.push_back(std::make_shared<CommandBar>(name, mChanges));
    }
}

std::shared_ptr<CommandBar> CommandBars::Item(std::string_view name) const {
    for (const auto& bar : mBars) {
        if (vb::TextEquals(bar->Name(), name))
            return bar;
    }
    vb::Raise(vb::kInvalidProcedureCall);
}

void CommandBars::Remove(std::string_view name) {
    std::erase_if(mBars, [&](const auto& bar) { return vb::TextEquals(bar->Name(), name); });
    mChanges->Bump();
}

std::shared_ptr<vbide::CommandBarEvents> Events::CommandBarEvents(
    const std::shared_ptr<CommandBarControl>& control) {
    if (!control)
        vb::Raise(vb::kObjectNotSet);
    auto events = std::make_shared<vbide::CommandBarEvents>();
    control->Listen(events);
    return events;
}

}  // namespace vbide
