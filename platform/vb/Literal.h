#pragma once
// The one writer of VB string literals: model text that generated code puts between double quotes.
//
// A double quote is doubled; a line break (CR, LF or CRLF) is written as `" & vbCrLf & "` and any other
// control character as `" & Chr(n) & "`, so the literal ends on its own line; an "&" before a letter
// is closed off as `&" & "`, so that the engine, which reads tokens such as "&PropName" in every line,
// finds none in the text. The literal's value at run time is the text (line breaks as CR LF).
//
// It serves both libraries: the patterns write literals with it, the check before a build measures them.

#include <string>
#include <string_view>

namespace vb {

// The text as a whole literal, its quotes included: O"Hara gives "O""Hara".
std::string StringLiteral(std::string_view text);

// The text as it stands between the quotes of a literal of the line: O"Hara gives O""Hara.
std::string LiteralBody(std::string_view text);

}  // namespace vb
