// Deleting model items: stored rows first (one transaction), then nodes, rows and collection entries.

#include <array>
#include <string_view>

#include "builder/frmBuilderMain.h"
#include "core/ApplicationLog.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusinessObject.h"
#include "platform/vb/Text.h"
#include "repository/ModelItemDelete.h"

namespace builder {

void frmBuilderMain::mnuPropMethDelete_Click() {
    std::string key;
    if (mContext == Context::Method) {
        if (const ListRow* row = mViews->MethodListView.SelectedItem())
            key = row->Key;
    } else if (mContext == Context::Tree) {
        const TreeNode* node = mViews->BusObjTreeView.SelectedItem();
        if (node && vb::InStr(node->Key, ".Methods.", vb::Compare::Text) > 0)
            key = node->Key;
    }
    if (key.empty())
        return;
    mCurrentBusObj = mApplication->BusinessObjects()->Item(FirstSegment(key));
    mCurrentMethod = mCurrentBusObj->Methods()->Item(key);
    DeleteBusObjMethod(*mApplication, mCurrentMethod);
    mContext = Context::None;
}

void frmBuilderMain::DeleteBusObjMethod(core::qelApplication& application,
                                        const std::shared_ptr<core::qelBusObjMethod>& method) {
    core::LogAndRaiseAs("DeleteBusObjMethod", [&] {
        static constexpr std::array<std::string_view, 4> kCrud = {"Add", "Update", "Read", "Delete"};
        for (const std::string_view crud : kCrud) {
            if (method->Name() == crud) {
                ui::MsgBox("CRUD methods cannot be deleted!", 10, "Error");
                return;
            }
        }
        const std::string key = MethodKey(method->BusinessObjectName(), method->Name());
        // Both raise for an entry that is not there, before anything is deleted.
        const auto businessObject = application.BusinessObjects()->Item(method->BusinessObjectName());
        businessObject->Methods()->Item(key);
        if (mIsAppOpened)
            repository::DeleteStoredMethod(*mDatabase, method->DBID());
        ViewUpdate update(*this);
        mViews->BusObjTreeView.Remove(key);
        mViews->MethodListView.Remove(key);
        businessObject->Methods()->Remove(key);
    });
}

}  // namespace builder
