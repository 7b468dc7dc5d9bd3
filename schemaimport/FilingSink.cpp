#include "schemaimport/FilingSink.h"

#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "platform/vb/Error.h"

namespace schemaimport {

FilingSink::FilingSink()
    : mApplication(std::make_shared<core::qelApplication>()),
      mImportSelectionForm(std::make_shared<frmImportSelection>()) {}

void FilingSink::BusinessObjectAdded(core::qelApplication& application,
                                     const std::shared_ptr<core::qelBusinessObject>& businessObject) {
    repository::FileBusinessObject(application, businessObject);
    mIsDataChanged = true;
}

void FilingSink::PropertyAdded(core::qelApplication& application,
                               const std::shared_ptr<core::qelBusObjProperty>& property) {
    repository::FileProperty(application, property);
    mIsDataChanged = true;
}

void FilingSink::MethodAdded(core::qelApplication& application,
                             const std::shared_ptr<core::qelBusObjMethod>& method) {
    repository::FileMethod(application, method);
    mIsDataChanged = true;
}

void FilingSink::RelationshipAdded(core::qelApplication& application,
                                   const std::shared_ptr<core::qelRelationship>& relationship) {
    repository::FileRelationship(application, relationship);
    mIsDataChanged = true;
}

void FilingSink::PropertyUpdated(core::qelApplication& application,
                                 const std::shared_ptr<core::qelBusObjProperty>& property) {
    const auto& businessObject = application.BusinessObjects()->Item(property->BusinessObjectName());
    const std::string key = property->BusinessObjectName() + ".Properties." + property->Name();
    if (businessObject->Properties()->Item(key) != property)
        vb::Raise(vb::kSubscriptOutOfRange, "PropertyUpdated");
    if (property->Field() && property->Field()->IsNullable())
        property->SetIsMandatory(false);
    mIsDataChanged = true;
}

void FilingSink::DeleteRelationship(core::qelApplication& application,
                                    const std::shared_ptr<core::qelRelationship>& relationship) {
    repository::UnfileRelationship(application, relationship);
}

void FilingSink::DeleteBusObj(core::qelApplication& application,
                              const std::shared_ptr<core::qelBusinessObject>& businessObject) {
    repository::UnfileBusinessObject(application, businessObject);
}

void FilingSink::DeleteBusObjProperty(core::qelApplication& application,
                                      const std::shared_ptr<core::qelBusObjProperty>& property) {
    repository::UnfileProperty(application, property);
}

void FilingSink::SetCaption(const std::string& caption) {
    mCaption = caption;
    mSteps.push_back("caption " + caption);
}

void FilingSink::HideAppInfoForm() {
    if (mHasAppInfoForm)
        mSteps.push_back("hide application information");
}

void FilingSink::UnloadAppInfoForm() {
    if (mHasAppInfoForm)
        mSteps.push_back("unload application information");
}

}  // namespace schemaimport
