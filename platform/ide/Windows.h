#pragma once
// The IDE's open windows: a code window for every component added or imported, and a designer window for
// every form. Captions follow the component's current name: "<project> - <component> (Code)" and
// "<project> - <component> (Form)".
//
// Members used by the add-in: enumeration, a window's Caption and Close.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ide/ChangeCounter.h"
#include "platform/vb/Object.h"

namespace vbide {

class VBComponent;
class VBE;

enum class WindowKind { Code, Designer };

class Window : public vb::Object {
  public:
    Window(std::weak_ptr<VBE> vbe, std::weak_ptr<VBComponent> component, WindowKind kind);

    std::string Caption() const;
    WindowKind Kind() const { return mKind; }
    std::shared_ptr<VBComponent> Component() const { return mComponent.lock(); }
    // Removes the window from the IDE's windows; closing a closed window does nothing.
    void Close();

  private:
    std::weak_ptr<VBE> mVBE;
    std::weak_ptr<VBComponent> mComponent;
    WindowKind mKind;
};

class Windows {
  public:
    Windows(VBE& vbe, ChangeCounterPtr changes) : mVBE(vbe), mChanges(std::move(changes)) {}

    int32_t Count() const { return static_cast<int32_t>(mWindows.size()); }
    std::shared_ptr<Window> Item(int32_t index) const;  // from 1
    auto begin() const { return mWindows.begin(); }
    auto end() const { return mWindows.end(); }

    void OpenFor(const std::shared_ptr<VBComponent>& component);
    void CloseAllOf(const VBComponent* component);
    void Close(const Window* window);

  private:
    VBE& mVBE;
    ChangeCounterPtr mChanges;
    std::vector<std::shared_ptr<Window>> mWindows;
};

}  // namespace vbide
