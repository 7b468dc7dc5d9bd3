#pragma once
// Component files as the VB IDE writes and reads them: a form (.frm: header, "Object =" lines for its
// ActiveX controls, the form block with nested control, menu and property-group blocks, "Attribute" lines,
// then the code), a class (.cls: class header and attributes, then the code) and a standard module (.bas).

#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/ide/ChangeCounter.h"
#include "platform/ide/VBComponent.h"

namespace vbide {

// ".frm", ".cls" or ".bas".
std::string_view FileExtensionOf(vbext_ComponentType type);

class TextWriter;

// Writes the component's file in the format of its type; returns the lines written above the code.
int32_t WriteComponentFile(const VBComponent& component, const std::filesystem::path& file);
// Writes the component's text in the format of its type into `out`; returns the lines written above the code.
int32_t WriteComponentText(const VBComponent& component, TextWriter& out);

// Reads a component file, its kind told by its first line, into a new component that belongs to no
// project. 53 for a missing file; 321 naming the file and the line for malformed or truncated text.
std::shared_ptr<VBComponent> ReadComponentFile(const std::filesystem::path& file, ChangeCounterPtr changes);

}  // namespace vbide
