#pragma once
// Finding and opening the IDE's windows of a component.

#include <memory>

#include "platform/ide/VBE.h"

namespace host {

// The IDE's window of the component of that kind, or null.
std::shared_ptr<vbide::Window> FindWindow(const vbide::VBE& vbe, const vbide::VBComponent* component,
                                          vbide::WindowKind kind);

// The window, opened when the component has none of that kind (a designer only for a form: null otherwise).
std::shared_ptr<vbide::Window> EnsureWindow(vbide::VBE& vbe,
                                            const std::shared_ptr<vbide::VBComponent>& component,
                                            vbide::WindowKind kind);

}  // namespace host
