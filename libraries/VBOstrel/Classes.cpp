// The classes the add-in library makes creatable by ProgID.

#include <memory>

#include "builder/BuildDriver.h"
#include "builder/frmBuilderMain.h"
#include "core/Connect.h"
#include "core/qelConstructor.h"
#include "platform/automation/ClassTable.h"
#include "runtime/qelCodeTable.h"
#include "runtime/qelSecurity.h"

namespace {

// The connection shows the builder's main window.
vb::ObjectPtr CreateConnect() {
    return std::make_shared<core::Connect>([] { return std::make_shared<builder::frmBuilderMain>(); });
}

}  // namespace

OSTREL_EXPORT_CLASSES(automation::ClassEntry{"VBOSTREL.Connect", &CreateConnect},
                      automation::ClassOf<core::qelConstructor>("VBOSTREL.qelConstructor"),
                      automation::ClassOf<builder::BuildDriver>("VBOSTREL.BuildDriver"),
                      automation::ClassOf<runtime::qelSecurity>("VBOSTREL.qelSecurity"),
                      automation::ClassOf<runtime::qelCodeTable>("VBOSTREL.qelCodeTable"))
