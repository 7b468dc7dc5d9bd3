#include "host/IdeWindows.h"

namespace host {

std::shared_ptr<vbide::Window> FindWindow(const vbide::VBE& vbe, const vbide::VBComponent* component,
                                          vbide::WindowKind kind) {
    for (const auto& window : vbe.Windows()) {
        if (window->Kind() == kind && window->Component().get() == component)
            return window;
    }
    return nullptr;
}

std::shared_ptr<vbide::Window> EnsureWindow(vbide::VBE& vbe,
                                            const std::shared_ptr<vbide::VBComponent>& component,
                                            vbide::WindowKind kind) {
    if (kind == vbide::WindowKind::Designer && !component->Designer())
        return nullptr;
    if (auto open = FindWindow(vbe, component.get(), kind))
        return open;
    // The IDE opens a component's windows together; the one of the other kind that was open already
    // stays the one that is listed.
    const auto otherKind =
        kind == vbide::WindowKind::Code ? vbide::WindowKind::Designer : vbide::WindowKind::Code;
    const auto other = FindWindow(vbe, component.get(), otherKind);
    vbe.Windows().OpenFor(component);
    std::shared_ptr<vbide::Window> duplicate;
    for (const auto& window : vbe.Windows()) {
        if (other && window != other && window->Kind() == otherKind && window->Component() == component)
            duplicate = window;
    }
    if (duplicate)
        duplicate->Close();
    return FindWindow(vbe, component.get(), kind);
}

}  // namespace host
