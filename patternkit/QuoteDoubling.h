#pragma once
// The generated applications' own function for a value written between single quotes into SQL or an
// ADO criteria string: VB5 has no Replace, so it is written with InStr and Mid.

namespace patternkit {

class Emitter;

// Writes, after an empty line, "Public Function DoubleQuotes(ByVal strValue As String) As String", which
// returns strValue with every single quote doubled, with its edit point "DoubleQuotes". A project holds
// it once: every standard module that would write it into a project holding it already leaves it out.
void WriteDoubleQuotesFunction(const Emitter& out);

}  // namespace patternkit
