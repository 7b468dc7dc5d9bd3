// The patterns the pattern library makes creatable by ProgID.

#include "platform/automation/ClassTable.h"

OSTREL_EXPORT_CLASSES()
