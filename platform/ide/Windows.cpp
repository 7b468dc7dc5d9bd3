#include "platform/ide/Windows.h"

#include <algorithm>

#include "platform/ide/VBE.h"
#include "platform/vb/Error.h"

namespace vbide {

Window::Window(std::weak_ptr<VBE> vbe, std::weak_ptr<VBComponent> component, WindowKind kind)
    : mVBE(std::move(vbe)), mComponent(std::move(component)), mKind(kind) {}

std::string Window::Caption() const {
    const auto component = Component();
    if (!component)
        return {};
    const auto project = component->Project();
    const std::string projectName = project ? project->Name() : std::string();
    return projectName + " - " + component->Name() + (mKind == WindowKind::Code ? " (Code)" : " (Form)");
}

void Window::Close() {
    if (auto vbe = mVBE.lock())
        vbe->Windows().Close(this);
}

std::shared_ptr<Window> Windows::Item(int32_t index) const {
    if (index < 1 || index > Count())
        vb::Raise(vb::kSubscriptOutOfRange);
    return mWindows[static_cast<size_t>(index - 1)];
}

void Windows::OpenFor(const std::shared_ptr<VBComponent>& component) {
    mWindows.push_back(std::make_shared<Window>(mVBE.weak_from_this(), component, WindowKind::Code));
    if (component->Type() == vbext_ct_VBForm) {
        mWindows.push_back(std::make_shared<Window>(mVBE.weak_from_this(), component, WindowKind::Designer));
    }
    mChanges->Bump();
}

void Windows::CloseAllOf(const VBComponent* component) {
    std::erase_if(mWindows, [&](const auto& window) { return window->Component().get() == component; });
    mChanges->Bump();
}

void Windows::Close(const Window* window) {
    // The code of a component whose code window closes is done with for now: its room for more lines goes.
    if (window->Kind() == WindowKind::Code) {
        if (const auto component = window->Component())
            component->CodeModule()->Compact();
    }
    std::erase_if(mWindows, [&](const auto& open) { return open.get() == window; });
    mChanges->Bump();
}

}  // namespace vbide
