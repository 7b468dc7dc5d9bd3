#pragma once
// The control classes the form designer knows: what VBControls.Add accepts, the name a new control gets,
// the ActiveX library a class comes from, and the properties with their VB types.

#include <span>
#include <string>
#include <string_view>

#include "platform/ide/Properties.h"

namespace vbide {

// An ActiveX control library as a form file's "Object =" line and a project's "Object=" line name it.
struct ObjectLibrary {
    std::string typeLibrary;  // "{GUID}#version#0"
    std::string fileName;     // "COMCTL32.OCX"
    bool operator==(const ObjectLibrary&) const = default;
};

struct ControlClass {
    std::string_view progId;        // as VBControls.Add takes it: "TextBox", "ComctlLib.ListView"
    std::string_view className;     // as the form file writes it: "VB.TextBox", "ComctlLib.ListView"
    std::string_view baseName;      // a new control is named this and a number: "Text1"
    std::string_view textProperty;  // "Caption" or "Text" set to the new name, or empty
    const ObjectLibrary* library;   // null for the intrinsic controls
    std::span<const PropertySpec> properties;
};

// The class VBControls.Add places for a ProgID ("TextBox" or "VB.TextBox"); null when unknown.
const ControlClass* ControlClassForProgId(std::string_view progId);
// The properties of a class as a form file names it; a class this IDE does not know gets the ones every
// control has.
std::span<const PropertySpec> PropertiesOfClass(std::string_view className);

inline constexpr std::string_view kFormClass = "VB.Form";
inline constexpr std::string_view kMenuClass = "VB.Menu";
inline constexpr std::string_view kFrameClass = "VB.Frame";

// The class header properties of a class module.
std::span<const PropertySpec> ClassHeaderProperties();

}  // namespace vbide
