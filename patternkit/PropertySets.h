#pragma once
// The property sets that patterns generate from, and the tests that choose them. Each set walks the
// business object's Properties once, in model order; nothing is cached.

#include <cstdint>
#include <memory>
#include <string_view>

#include "formlayout/DetailRows.h"
#include "patternkit/ModelSets.h"
#include "typelib/IAssociation.h"
#include "typelib/IBusinessObject.h"
#include "typelib/IProperty.h"

namespace patternkit::Common {

// "Memo" or "OLE Object": values that generated code carries as text beside the property buffer.
bool IsMemoOrOLE(const typelib::IProperty& property);

// Not "Memo" or "OLE Object".
bool IsListProperty(const typelib::IProperty& property);
using formlayout::IsDetailProperty;
using formlayout::IsSearchProperty;

// The longest Label, in characters; 0 for none.
int16_t GetMaxLabelLength(const PropertySet& properties);

// Properties with IsKey or IsUnique.
PropertySet GetContextProperties(const typelib::IBusinessObject& businessObject);
PropertySet GetDetailProperties(const typelib::IBusinessObject& businessObject);
PropertySet GetListProperties(const typelib::IBusinessObject& businessObject);
PropertySet GetSearchProperties(const typelib::IBusinessObject& businessObject);
// Foreign properties whose permitted values come from the other business object.
PropertySet GetPVForeignKeyProperties(const typelib::IBusinessObject& businessObject);

// What the standard methods "Add", "Update", "Read" and "Delete" pass in and get back (names compared
// exactly); any other method passes and gets every property.
PropertySet GetMethodInputProperties(const typelib::IBusinessObject& businessObject,
                                     std::string_view methodName);
PropertySet GetMethodOutputProperties(const typelib::IBusinessObject& businessObject,
                                      std::string_view methodName);

using formlayout::GetForeignAssociation;
// All foreign properties of that association, in its order; empty when there is none.
PropertySet GetForeignKeyProperties(const typelib::IProperty& property);

}  // namespace patternkit::Common
