// The classes the add-in library makes creatable by ProgID.

#include "core/qelConstructor.h"
#include "platform/automation/ClassTable.h"

OSTREL_EXPORT_CLASSES(automation::ClassOf<core::qelConstructor>("VBOSTREL.qelConstructor"))
