#pragma once
// One control of a form designer as a text that holds everything a save and a read-back must keep: its
// class, name, frame and every property as the form file writes it.

#include <string>

#include "platform/ide/Properties.h"
#include "platform/ide/VBControl.h"

namespace testing_support {

inline std::string DescribeControl(const vbide::VBControl& control) {
    std::string text = control.ClassName() + " " + control.Name();
    if (const auto container = control.Container())
        text += " in " + container->Name();
    for (const auto& entry : control.Bag().Entries())
        text += " " + entry.name + "=" + vbide::PropertyText(entry);
    return text;
}

}  // namespace testing_support
