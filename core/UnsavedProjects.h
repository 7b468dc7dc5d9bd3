#pragma once
// A build keeps the code between the edit points of each component it writes again, which it does not do
// for a component that was never saved: the projects are to be saved first.

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
