#pragma once
// Pieces of generated source text computed from properties; they write nothing to the engine.

#include <cstdint>
#include <string>
#include <string_view>

#include "patternkit/ModelSets.h"
#include "platform/vb/Variant.h"
#include "typelib/IProperty.h"

namespace patternkit::Common {

// The value as a VB literal of the property's DataType: "String" through the literal writer
// (platform/vb/Literal.h), "Date" between "#", numbers bare; "" for any other type.
std::string FormatValueLiteral(const typelib::IProperty& property, const vb::Variant& value);

// " Optional NotesVarString As String, Optional PhotoVarString As String" for the Memo and OLE Object
// properties, in order; "" when there are none.
std::string BuildVarStringParams(const PropertySet& properties);
// The names of those parameters, to pass them on: " NotesVarString, PhotoVarString".
std::string BuildVarStringParamNames(const PropertySet& properties);
// The matching arguments: " mstrNotesVarString, mstrPhotoOLE_Object".
std::string BuildVarStringArgs(const PropertySet& properties);

// Every occurrence of `find`, left to right, each search going on behind the text just put in. An empty
// `find` changes nothing.
std::string ReplaceString(std::string_view text, std::string_view find, std::string_view replacement);

}  // namespace patternkit::Common
