#pragma once
// Which properties a search or detail form gives a row: the form patterns lay out these, and the check
// before a build counts and measures them.

#include <memory>

#include "formlayout/FormControls.h"
#include "typelib/IAssociation.h"
#include "typelib/IProperty.h"

namespace formlayout {

// Not "OLE Object", and not a foreign property whose association is "Identifying" (the parent's key).
bool IsDetailProperty(const typelib::IProperty& property);

// The row the detail form gives the property by the control table: none for a property it leaves out, or
// whose ControlType's row makes no control for its DataType.
const FormControl* DetailFormControl(const typelib::IProperty& property);
bool IsOptionGroup(const typelib::IProperty& property);

// Not "Memo" or "OLE Object", not virtual, and not a foreign property that is also a key.
bool IsSearchProperty(const typelib::IProperty& property);

// The association of the owning business object whose foreign properties include this one (by trimmed
// name, the first that does); empty for a property that is not foreign or that no association names.
std::shared_ptr<typelib::IAssociation> GetForeignAssociation(const typelib::IProperty& property);

}  // namespace formlayout
