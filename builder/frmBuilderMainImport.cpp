// The main window as the schema import's model sink: updated properties, emptied views, and the import
// itself (the deletes are in frmBuilderMainDelete.cpp).

#include "builder/frmBuilderMain.h"
#include "core/ApplicationLog.h"
#include "core/qelBusObjProperty.h"
#include "platform/vb/Error.h"

namespace builder {

void frmBuilderMain::PropertyUpdated(core::qelApplication& /*application*/,
                                     const std::shared_ptr<core::qelBusObjProperty>& property) {
    mViews->PropertyListView.Select(PropertyKey(property->BusinessObjectName(), property->Name()));
    if (!myPropertyForm_PropertyUpdated(property))
        vb::Raise(vb::kDuplicateKey, "PropertyUpdated");
}

void frmBuilderMain::ClearViews() {
    ViewUpdate update(*this);
    mViews->Clear();
}

void frmBuilderMain::ImportData(const schemaimport::PreviousApplication& currentAppObject) {
    ViewUpdate update(*this);
    RunDeferringStoredDeletes([&] { schemaimport::ImportData(*this, currentAppObject); });
}

void frmBuilderMain::RunDeferringStoredDeletes(const std::function<void()>& command) {
    const bool before = mDefersStoredDeletes;
    mDefersStoredDeletes = true;
    try {
        command();
    } catch (...) {
        mDefersStoredDeletes = before;
        throw;
    }
    mDefersStoredDeletes = before;
}

}  // namespace builder
