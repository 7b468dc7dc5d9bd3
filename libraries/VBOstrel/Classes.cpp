// The classes the add-in library makes creatable by ProgID.

#include "platform/automation/ClassTable.h"
#include "runtime/qelCodeTable.h"
#include "runtime/qelSecurity.h"

OSTREL_EXPORT_CLASSES(automation::ClassOf<runtime::qelSecurity>("VBOSTREL.qelSecurity"),
                      automation::ClassOf<runtime::qelCodeTable>("VBOSTREL.qelCodeTable"))
