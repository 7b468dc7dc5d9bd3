#pragma once
// Checks generated VB text for faults that would keep it from compiling in VB5, without VB5:
//   (a) Sub, Function, Property, If, Select, With, For, While (and Do, Type, Enum) blocks close in order;
//   (b) the double quotes of each code line pair up;
//   (c) no engine token ("&BusObjName", "&PropName", ...) is left;
//   (d) under Option Explicit every variable with a house prefix (m, my, str, int, lng, bln, vnt, col,
//       itm) is declared, in the module or in the procedure that uses it;
//   (e) on a form, every control the code uses as an object (txt, cmb, lstbx, ckb, opt, rtxt, lbl,
//       Frame, cmd, lvw, mnu, Toolbar; an array of the first seven by the prefix alone) is one of the form's
//       controls;
//   (f) only comments follow the end of a procedure, up to the next one;
//   (g) no procedure, module variable or field of one Type is declared twice (letter case aside; a
//       Property Get and its Let or Set share a name);
//   (h) no line is longer than the 1023 characters VB's editor takes.
// Each problem is one text "line N: what".

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// The problems of a class or standard module.
std::vector<std::string> CheckVbModule(const std::vector<std::string>& lines);
// The problems of a form's code, given the names of the form's controls and menus.
std::vector<std::string> CheckVbForm(const std::vector<std::string>& lines,
                                     const std::set<std::string>& controls);

// The reading of VB text that the limits check shares.

// One physical line split into its code (string contents blanked, so quotes and words inside strings
// are not read as code; its comment cut off; blanks around it trimmed), whether its quotes pair up and
// whether it holds a comment (or is one, after Rem).
struct SplitLine {
    std::string code;
    bool quotesPaired = true;
    bool comment = false;
};
SplitLine Split(std::string_view line);

// Bytes of letters beyond ASCII belong to words too (VB reads Latin-1 letters in names).
bool IsWordChar(char c);

std::string Lower(std::string_view text);

}  // namespace testing_support
