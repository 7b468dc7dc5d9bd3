#pragma once
// The limits VB5 puts on what it loads, checked on a project group's saved files, byte for byte in the code
// page they are written in. It shares no code with the writer it checks:
//   - a physical line of at most 1023 bytes;
//   - at most 24 line continuations (" _") in one logical line, and no blank after one (after the "_", or a
//     blank line or the end of the file next);
//   - a procedure's source (its lines with their line ends, from its declaration to its End) under 64 KB;
//   - at most 65534 lines of code in a module;
//   - at most 254 control names on a form: the controls of an array (one name, several Index values) count
//     once, menus are controls;
//   - module, class, form and control names of at most 40 characters, any other identifier of at most 255;
//   - at most 400 modules (forms, classes and standard modules) in a project.
// Lines are numbered as in the file.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// The breaches of one saved component (the whole text of its .bas, .cls or .frm file), each as "what".
std::vector<std::string> CheckComponentLimits(std::string_view file);

// The breaches of the group saved as `group` (its .vbg file), each as "project/component: what", those of a
// project as "project: what"; `modules` counts the component files read.
std::vector<std::string> CheckVbLimits(const std::filesystem::path& group, int& modules);

}  // namespace testing_support
