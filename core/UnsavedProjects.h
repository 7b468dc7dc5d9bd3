#pragma once
// A build keeps the code between the edit points of every component it writes again, and that code is
// read from the component's file: a component that was never saved cannot be written again.

namespace vbide {
class VBE;
}

namespace core {

class qelApplication;

// Whether a project that the application's build writes into (its layer-1, layer-2 or layer-3 project,
// found by name as the engine finds it) holds a component that was never saved.
bool HoldsUnsavedComponent(const vbide::VBE& ide, const qelApplication& application);

// "Save project(s) first then restart code generation.", titled "Project Not Saved".
void AskToSaveProjectsFirst();

}  // namespace core
