// The main window as the schema import's model sink: updated properties, relationships deleted before
// the import rebuilds them, and the import itself.

#include <vector>

#include "builder/frmBuilderMain.h"
#include "core/ApplicationLog.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelRelationship.h"
#include "platform/vb/Error.h"

namespace builder {

void frmBuilderMain::PropertyUpdated(core::qelApplication& /*application*/,
                                     const std::shared_ptr<core::qelBusObjProperty>& property) {
    mViews->PropertyListView.Select(PropertyKey(property->BusinessObjectName(), property->Name()));
    if (!myPropertyForm_PropertyUpdated(property))
        vb::Raise(vb::kDuplicateKey, "PropertyUpdated");
}

void frmBuilderMain::DeleteRelationship(core::qelApplication& application,
                                        const std::shared_ptr<core::qelRelationship>& relationship) {
    ViewUpdate update(*this);
    core::LogAndRaiseAs("Relationship Delete", "DeleteRelationship", [&] {
        const auto& associations = *relationship->Associations();
        if (mIsAppOpened && mDatabase) {
            dao::Transaction transaction(*mDatabase);
            for (const auto& association : associations)
                mDatabase->Delete("Association", {{"ID", association->DBID()}});
            mDatabase->Delete("Relationship", {{"ID", relationship->DBID()}});
            transaction.Commit();
        }
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
        for (const auto& property : foreign)
            PropertyUpdated(application, property);
    });
}

void frmBuilderMain::ImportData(const schemaimport::PreviousApplication& currentAppObject) {
    ViewUpdate update(*this);
    schemaimport::ImportData(*this, currentAppObject);
}

}  // namespace builder
