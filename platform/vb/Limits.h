#pragma once
// The limits VB puts on the projects, code and forms it loads, each written once with what VB does past
// it. Lengths count characters, each one byte of the Windows-1252 files VB loads. What the build does at
// each limit is told in docs/generate.md ("VB's limits").

#include <cstdint>

namespace vb {

// Characters on one line of code: VB's editor reads no longer line.
inline constexpr int32_t kMaxLineLength = 1023;
// Line continuations (" _") joined into one statement: VB refuses a statement of more.
inline constexpr int32_t kMaxContinuations = 24;
// Bytes of one procedure's source, from its declaration to its End, each line with its CR LF: VB compiles
// no larger procedure.
inline constexpr int32_t kMaxProcedureBytes = 65535;
// Lines of one module: VB loads no longer module.
inline constexpr int32_t kMaxModuleLines = 65534;
// Modules of one project: VB loads about this many, not many more.
inline constexpr int32_t kMaxProjectModules = 400;
// Control names on one form, the members of a control array sharing one: VB loads no form of more.
inline constexpr int32_t kMaxControlNames = 254;
// Twips a form measures each way: a form's size and its controls' places are Integers, none past the
// largest (32767).
inline constexpr int16_t kMaxFormTwips = INT16_MAX;
// Characters of the name of a project, class, module, form or control: VB takes no longer name.
inline constexpr int32_t kMaxNameLength = 40;
// Characters of a fixed-length string (String * n): VB compiles no other length.
inline constexpr int32_t kMinFixedStringLength = 1;
inline constexpr int32_t kMaxFixedStringLength = 65526;

}  // namespace vb
