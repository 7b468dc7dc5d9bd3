#pragma once
// The IDE's command bars, with the "Add-Ins" bar on which an add-in puts its button, and the event source
// that reports clicks on a button.
//
// Members used by the add-in: CommandBars.Item(name) (5 when there is no such bar), a bar's
// Controls.Add(1) (a button; 5 for other types), a control's Caption and Delete, and
// Events.CommandBarEvents(control) (91 without a control), whose click handlers run when the button is
// executed.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ide/ChangeCounter.h"
#include "platform/vb/Object.h"

namespace vbide {

class CommandBar;
class CommandBarControl;

// The click event of one button: the handler gets the clicked control and the handled and cancel flags.
class CommandBarEvents : public vb::Object {
  public:
    using ClickHandler = std::function<void(const std::shared_ptr<CommandBarControl>& control, bool& handled,
                                            bool& cancelDefault)>;
    void OnClick(ClickHandler handler) { mHandlers.push_back(std::move(handler)); }
    void RaiseClick(const std::shared_ptr<CommandBarControl>& control, bool& handled,
                    bool& cancelDefault) const;

  private:
    std::vector<ClickHandler> mHandlers;
};

constexpr int32_t msoControlButton = 1;

class CommandBarControl : public vb::Object, public std::enable_shared_from_this<CommandBarControl> {
  public:
    CommandBarControl(std::weak_ptr<CommandBar> bar, ChangeCounterPtr changes);

    int32_t Type() const { return msoControlButton; }
    const std::string& Caption() const { return mCaption; }
    void SetCaption(std::string caption);
    // Removes the button from its bar.
    void Delete();
    // A click: every event source that is still held for this button reports it.
    void Execute();

    void Listen(const std::shared_ptr<CommandBarEvents>& events) { mListeners.push_back(events); }

  private:
    std::weak_ptr<CommandBar> mBar;
    ChangeCounterPtr mChanges;
    std::string mCaption;
    std::vector<std::weak_ptr<CommandBarEvents>> mListeners;
};

class CommandBarControls {
  public:
    CommandBarControls(CommandBar& bar, ChangeCounterPtr changes) : mBar(bar), mChanges(std::move(changes)) {}

    std::shared_ptr<CommandBarControl> Add(int32_t type);
    int32_t Count() const { return static_cast<int32_t>(mControls.size()); }
    std::shared_ptr<CommandBarControl> Item(int32_t index) const;  // from 1
    auto begin() const { return mControls.begin(); }
    auto end() const { return mControls.end(); }

    void Remove(const CommandBarControl* control);

  private:
    CommandBar& mBar;
    ChangeCounterPtr mChanges;
    std::vector<std::shared_ptr<CommandBarControl>> mControls;
};

class CommandBars;

class CommandBar : public vb::Object, public std::enable_shared_from_this<CommandBar> {
  public:
    CommandBar(std::string name, ChangeCounterPtr changes)
        : mName(std::move(name)), mControls(*this, changes) {}

    const std::string& Name() const { return mName; }
    CommandBarControls& Controls() { return mControls; }
    const CommandBarControls& Controls() const { return mControls; }

  private:
    std::string mName;
    CommandBarControls mControls;
};

class CommandBars {
  public:
    explicit CommandBars(ChangeCounterPtr changes);

    std::shared_ptr<CommandBar> Item(std::string_view name) const;
    int32_t Count() const { return static_cast<int32_t>(mBars.size()); }
    auto begin() const { return mBars.begin(); }
    auto end() const { return mBars.end(); }
    // Removes a bar, as a developer who hides it for good does.
    void Remove(std::string_view name);

  private:
    ChangeCounterPtr mChanges;
    std::vector<std::shared_ptr<CommandBar>> mBars;
};

// The IDE's event sources.
class Events {
  public:
    std::shared_ptr<vbide::CommandBarEvents> CommandBarEvents(
        const std::shared_ptr<CommandBarControl>& control);
};

}  // namespace vbide
