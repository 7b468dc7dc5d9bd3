// Deleting model items: stored rows first (one transaction), then nodes, rows and collection entries.

#include <array>
#include <string_view>

#include <vector>

#include "builder/frmBuilderMain.h"
#include "core/ApplicationLog.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelRelationship.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"
#include "repository/ModelItemDelete.h"

namespace builder {

namespace {

// The business object filed under `name`, when it is `businessObject`; 9 otherwise.
const std::shared_ptr<core::qelBusinessObject>& FiledBusinessObject(const core::qelApplication& application,
                                                                    const std::string& name,
                                                                    const char* source) {
    const auto& businessObjects = *application.BusinessObjects();
    if (!businessObjects.Exists(name))
        vb::Raise(vb::kSubscriptOutOfRange, source);
    return businessObjects.Item(name);
}

}  // namespace

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
        if (mIsAppOpened && !WriteRepositoryTelling(RepositoryCommand::Delete, [&] {
                repository::DeleteStoredMethod(RequiredDatabase(), method->DBID(), Stamp());
            }))
            return;
        ViewUpdate update(*this);
        mViews->BusObjTreeView.Remove(key);
        mViews->MethodListView.Remove(key);
        businessObject->Methods()->Remove(key);
    });
}

dao::SqliteDatabase& frmBuilderMain::RequiredDatabase() const {
    if (!mDatabase)
        vb::Raise(vb::kObjectNotSet);
    return *mDatabase;
}

bool frmBuilderMain::DeleteStoredItem(std::vector<int32_t> repository::DeferredDeletes::*deferred,
                                      void (*deleteNow)(dao::SqliteDatabase&, int32_t,
                                                        repository::ApplicationStamp*),
                                      int32_t id) {
    if (!mDefersStoredDeletes)
        return WriteRepositoryTelling(RepositoryCommand::Delete,
                                      [&] { deleteNow(RequiredDatabase(), id, Stamp()); });
    if (mDeferredDeletesOf.lock() != mApplication) {
        mDeferredDeletes = {};
        mDeferredDeletesOf = mApplication;
    }
    (mDeferredDeletes.*deferred).push_back(id);
    return true;
}

void frmBuilderMain::mnuRelationshipDelete_Click() {
    std::string key;
    if (mContext == Context::Relationship) {
        if (const ListRow* row = mViews->RelationshipListView.SelectedItem())
            key = row->Key;
    } else if (mContext == Context::Tree) {
        const TreeNode* node = mViews->BusObjTreeView.SelectedItem();
        if (node && node->Parent && vb::InStr(node->Parent->Key, kRelationships, vb::Compare::Text) > 0)
            key = node->Key;
    }
    const auto parts = ParseRelationshipKey(key);
    if (!parts)
        return;
    mCurrentRelationship = mApplication->Relationships()->Item(parts->Name);
    DeleteRelationship(*mApplication, mCurrentRelationship);
    mContext = Context::None;
}

void frmBuilderMain::DeleteRelationship(core::qelApplication& application,
                                        const std::shared_ptr<core::qelRelationship>& relationship) {
    core::LogAndRaiseAs("Relationship Delete", "DeleteRelationship", [&] {
        if (mIsAppOpened && relationship->DBID() != 0 &&
            !DeleteStoredItem(&repository::DeferredDeletes::Relationships,
                              repository::DeleteStoredRelationship, relationship->DBID()))
            return;
        ViewUpdate update(*this);
        RemoveRelationship(application, relationship);
    });
}

void frmBuilderMain::RemoveRelationship(core::qelApplication& application,
                                        const std::shared_ptr<core::qelRelationship>& relationship) {
    const auto& associations = *relationship->Associations();
    std::vector<std::shared_ptr<core::qelBusObjProperty>> foreign;
    for (int32_t i = 1; i <= associations.Count(); ++i) {
        const std::string& key = associations.KeyOf(i);
        if (mViews->RelationshipListView.Find(key))
            mViews->RelationshipListView.Remove(key);
        if (mViews->BusObjTreeView.Contains(key))
            mViews->BusObjTreeView.Remove(key);
        for (const auto& property : *associations.Item(i)->SourceForeignProperties())
            foreign.push_back(property);
    }
    repository::UnfileRelationship(application, relationship);
    // Their rows show them as plain properties again.
    for (const auto& property : foreign) {
        if (mViews->PropertyListView.Find(PropertyKey(property->BusinessObjectName(), property->Name())))
            PropertyUpdated(application, property);
    }
    if (mCurrentRelationship == relationship)
        mCurrentRelationship.reset();
}

void frmBuilderMain::DeleteBusObj(core::qelApplication& application,
                                  const std::shared_ptr<core::qelBusinessObject>& businessObject) {
    core::LogAndRaiseAs("DeleteBusObj", [&] {
        const std::string name = businessObject->Name();
        if (FiledBusinessObject(application, name, "DeleteBusObj") != businessObject)
            vb::Raise(vb::kSubscriptOutOfRange, "DeleteBusObj");
        if (mIsAppOpened && businessObject->DBID() != 0 &&
            !DeleteStoredItem(&repository::DeferredDeletes::BusinessObjects,
                              repository::DeleteStoredBusinessObject, businessObject->DBID()))
            return;
        ViewUpdate update(*this);
        for (const auto& relationship : repository::RelationshipsInvolving(application, *businessObject))
            RemoveRelationship(application, relationship);
        if (mViews->BusObjTreeView.Contains(name))
            mViews->BusObjTreeView.Remove(name);
        for (ReportList* list : {&mViews->PropertyListView, &mViews->MethodListView}) {
            std::vector<std::string> keys;
            for (const ListRow* row : list->Rows()) {
                if (row->Text == name)
                    keys.push_back(row->Key);
            }
            for (const std::string& key : keys)
                list->Remove(key);
        }
        repository::UnfileBusinessObject(application, businessObject);
        if (mCurrentBusObj == businessObject)
            mCurrentBusObj.reset();
    });
}

void frmBuilderMain::DeleteBusObjProperty(core::qelApplication& application,
                                          const std::shared_ptr<core::qelBusObjProperty>& property) {
    core::LogAndRaiseAs("DeleteBusObjProperty", [&] {
        const std::string key = PropertyKey(property->BusinessObjectName(), property->Name());
        const auto& properties =
            *FiledBusinessObject(application, property->BusinessObjectName(), "DeleteBusObjProperty")
                 ->Properties();
        if (!properties.Exists(key) || properties.Item(key) != property)
            vb::Raise(vb::kSubscriptOutOfRange, "DeleteBusObjProperty");
        if (mIsAppOpened && property->DBID() != 0 &&
            !DeleteStoredItem(&repository::DeferredDeletes::Properties, repository::DeleteStoredProperty,
                              property->DBID()))
            return;
        ViewUpdate update(*this);
        if (mViews->BusObjTreeView.Contains(key))
            mViews->BusObjTreeView.Remove(key);
        if (mViews->PropertyListView.Find(key))
            mViews->PropertyListView.Remove(key);
        repository::UnfileProperty(application, property);
        if (mCurrentProperty == property)
            mCurrentProperty.reset();
    });
}

}  // namespace builder
