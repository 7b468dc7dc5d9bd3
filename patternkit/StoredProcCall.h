#pragma once
// The body of a generated persistence method that runs a stored procedure through ADO, followed by a
// commented SQL Server sketch of that procedure for the developer to start from.

#include <string_view>

#include "patternkit/Emitter.h"
#include "patternkit/ModelSets.h"
#include "patternkit/ProcedureSplitter.h"

namespace patternkit::Common {

// A procedure that runs a stored procedure: `head` writes its signature and whatever comes before the
// body, `tail` its error handler and its end.
struct StoredProcProcedure {
    std::string_view methodName;  // the procedure's name too
    std::string_view storedProcName;
    std::string_view tableName;
    PropertySet inputs;
    PropertySet outputs;
    LineWriter head = {};
    LineWriter tail = {};
};

// Parameters are numbered from 1, the inputs first. Memo and OLE Object values travel as text: an input
// comes from the parameter Name & "VarString", an output goes into the local "str" & Name & "VarString".
// The sketch's statement follows the method: "Add", "Read", "Update" or "Delete" (none for others).
// The procedure goes through `splitter`: its lines that grow with the parameters, code and sketch, go to
// parts where it would be too large, each part taking the command and the input texts its lines read.
void GenerateStoredProcCall(ProcedureSplitter& splitter, const StoredProcProcedure& procedure);

}  // namespace patternkit::Common
