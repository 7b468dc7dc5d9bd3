#pragma once
// Lines that the code of every generated form shares: the standard ending of a procedure with an error
// trap, DisplayErrorMsg, and the module's closing edit point. Each writes through the generator's Emitter.

#include <string_view>

#include "patternkit/Emitter.h"
#include "patternkit/ModelSets.h"
#include "patternkit/ProcedureSplitter.h"

namespace forms {

// The end of a part of a split procedure that tests its items in a Select Case of its own.
inline constexpr std::string_view kEndSelectEndSub = R"vb(
    |    End Select
    |End Sub
)vb";

// Form_Load's items: a column header for each of the `columns`, after `indent`; `current` is set to each
// column's property.
void AddColumnHeaders(patternkit::GrowingProcedure& procedure, const patternkit::Emitter& out,
                      const patternkit::PropertySet& columns, std::shared_ptr<typelib::IProperty>& current,
                      std::string_view indent);

// The blanks before Load_Listbox's "With itmlist" and before each ".Subitems(" line.
struct ListIndents {
    std::string_view with;
    std::string_view subItem;
};

// Load_Listbox's items: a sub-item line for each of the `columns` after the first, whose value is the row's
// text; `current` is set to each column's property. Split, each part takes the row's ListItem and sets its
// sub-items in a With block of its own.
void AddSubItems(patternkit::GrowingProcedure& procedure, const patternkit::Emitter& out,
                 const patternkit::PropertySet& columns, std::shared_ptr<typelib::IProperty>& current,
                 ListIndents indents);

// The names with which a procedure ends: its edit-point pair (start and end names may differ) and the
// label that its error handler adds to Err.Source and, unless `errorEditPoint` names another, its
// " - Error Processing" edit point with.
struct ProcedureEnding {
    std::string_view startName;
    std::string_view endName;
    std::string_view label;
    std::string_view errorEditPoint = {};
};

// Most procedures use one name for all three.
constexpr ProcedureEnding EndingFor(std::string_view name) {
    return {name, name, name};
}

// The edit-point pair, `between` (lines some commands put after the pair), "    Exit Sub", a blank
// line, the form error handler for `formName` and the label, a blank line when asked, "End Sub".
void WriteStandardEnding(const patternkit::Emitter& out, std::string_view formName, ProcedureEnding names,
                         bool blankBeforeEndSub = false, const patternkit::LineWriter& between = {});

// WriteStandardEnding up to the error handler's last line, for procedures that end in lines of their own.
void WriteEndingThroughHandler(const patternkit::Emitter& out, std::string_view formName,
                               ProcedureEnding names, const patternkit::LineWriter& between = {});

// "Private Sub DisplayErrorMsg()", which shows the current error through ErrorDisplay; with
// `withEditPoint` a blank line and the edit point "DisplayErrorMsg" before "End Sub".
void WriteDisplayErrorMsg(const patternkit::Emitter& out, bool withEditPoint);

}  // namespace forms
