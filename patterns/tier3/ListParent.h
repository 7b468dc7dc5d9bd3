#pragma once
// The parts of the list class that exist only for a business object with one identifying parent: the
// parent's members, the qualification of Search, and the function that turns the parent's ObjectID into
// criteria on the child's foreign properties.

#include "patterns/tier3/GeneratorContext.h"

namespace tier3 {

// The parent variables and the parent's Property Set and Property Let.
void WriteListParentMembers(GeneratorContext& context);
// The lines of Search that add the parent's criteria to the search text.
void WriteListParentQualification(GeneratorContext& context);
// Private Function GenSQLFrom<Parent>ObjId.
void WriteListParentQuery(GeneratorContext& context);

}  // namespace tier3
