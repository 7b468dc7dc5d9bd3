#pragma once
// The check before a build: whatever of the model becomes a VB name, a file or folder name, or text in
// generated code is checked before anything is written, so that every model a repository can hold either
// generates code that compiles or is refused with every fault named at once. What it refuses is listed in
// docs/refusals.md#the-check-before-a-build. The forms are checked by what their layout uses (formlayout/:
// the option buttons' room, the control-name count, the column flow); the rules for names made of names
// are GeneratedNames.h's.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace core {

// A form's layout counts in twips, in 16 bits: a label or a listed value wider than this many characters
// overflows it beside the other controls of a row.
inline constexpr int32_t kLongestShownText = 100;

// The most properties a business object is built with, as many columns as an Access table holds: its
// generated class, some 180 lines a property, then keeps within the vb::kMaxModuleLines VB loads in a
// module.
inline constexpr int32_t kMostProperties = 255;

class qelApplication;
class qelBusinessObject;

// The faults of a build of `chosen` (business objects of `application`), with the forms or without: one
// text "<item>: <rule>" each, in the model's order; none when the build may go on.
std::vector<std::string> CheckBeforeBuild(const qelApplication& application,
                                          const std::vector<std::shared_ptr<qelBusinessObject>>& chosen,
                                          bool forms);

// Why a key property cannot be of `dataType` (its value is not in the record that identifies a row); empty
// when it can.
std::string KeyDataTypeFault(const std::string& dataType);

// The one message that refuses a build for `faults`.
std::string BuildRefusal(const std::vector<std::string>& faults);

}  // namespace core
