#include "builder/ModelItemDialogs.h"

#include "builder/frmBuilderMain.h"
#include "builder/frmSelectVirtProperty.h"
#include "core/qelApplication.h"
#include "core/qelBusinessObject.h"
#include "platform/ui/Interaction.h"

namespace builder {

ModelItemDialogs::ModelItemDialogs(frmBuilderMain& form) : mForm(form) {
    RenewDialogs();
}

void ModelItemDialogs::RenewDialogs() {
    NewBusObjForm();
    NewPropertyForm();
    NewMethodForm();
    NewRelationshipForm();
}

void ModelItemDialogs::NewBusObjForm() {
    myBusObjForm = std::make_unique<frmBusObjBuilder>();
    frmBusObjBuilder& dialog = *myBusObjForm;
    dialog.OnBusinessObjectAdded(
        [this, &dialog](const std::shared_ptr<core::qelBusinessObject>& businessObject) {
            if (!mForm.myBusObjForm_BusinessObjectAdded(businessObject))
                dialog.DuplicateName(true);
        });
}

void ModelItemDialogs::NewPropertyForm() {
    myPropertyForm = std::make_unique<frmPropertyBuilder>();
    frmPropertyBuilder& dialog = *myPropertyForm;
    dialog.OnPropertyAdded([this, &dialog](const std::shared_ptr<core::qelBusObjProperty>& property) {
        if (!mForm.myPropertyForm_PropertyAdded(property))
            dialog.DuplicateName(true);
    });
    dialog.OnPropertyUpdated([this, &dialog](const std::shared_ptr<core::qelBusObjProperty>& property) {
        if (!mForm.myPropertyForm_PropertyUpdated(property))
            dialog.DuplicateName(true);
    });
}

void ModelItemDialogs::NewMethodForm() {
    myMethodForm = std::make_unique<frmMethodBuilder>();
    frmMethodBuilder& dialog = *myMethodForm;
    dialog.OnMethodAdded([this, &dialog](const std::shared_ptr<core::qelBusObjMethod>& method) {
        if (!mForm.myMethodForm_MethodAdded(method))
            dialog.DuplicateName(true);
    });
    dialog.OnMethodUpdated([this, &dialog](const std::shared_ptr<core::qelBusObjMethod>& method) {
        if (!mForm.myMethodForm_MethodUpdated(method))
            dialog.DuplicateName(true);
    });
}

void ModelItemDialogs::NewRelationshipForm() {
    myRelationshipForm = std::make_unique<frmRelationshipBuilder>();
    myRelationshipForm->OnRelationshipAdded(
        [this](const std::shared_ptr<core::qelRelationship>& relationship) {
            return mForm.myRelationshipForm_RelationshipAdded(relationship);
        });
    myRelationshipForm->OnRelationshipUpdated(
        [this](const std::shared_ptr<core::qelRelationship>& relationship) {
            mForm.myRelationshipForm_RelationshipUpdated(relationship);
        });
}

void ModelItemDialogs::NewBusinessObject() {
    myBusObjForm->SetApplication(mForm.Application());
    myBusObjForm->Show();
}

std::shared_ptr<core::qelBusinessObject> ModelItemDialogs::TargetBusinessObject(const char* refusal) {
    if (!mForm.HasBusObj()) {
        ui::MsgBox(refusal, ui::vbInformation, "Information");
        return nullptr;
    }
    return mForm.GetBusinessObject();
}

void ModelItemDialogs::ShowPropertyForm(const std::shared_ptr<core::qelBusinessObject>& businessObject,
                                        const std::string& key) {
    myPropertyForm->SetProperties(businessObject->Properties());
    myPropertyForm->SetBusObj(businessObject);
    myPropertyForm->SetApplication(mForm.Application());
    if (!key.empty())
        myPropertyForm->LoadExistingProperty(key);
    myPropertyForm->Show();
}

void ModelItemDialogs::ShowMethodForm(const std::shared_ptr<core::qelBusinessObject>& businessObject,
                                      const std::string& key) {
    myMethodForm->SetMethods(businessObject->Methods());
    myMethodForm->SetBusObjName(businessObject->Name());
    myMethodForm->SetBusObj(businessObject);
    if (!key.empty())
        myMethodForm->LoadExistingMethod(key);
    myMethodForm->Show();
}

void ModelItemDialogs::NewProperty() {
    if (const auto businessObject =
            TargetBusinessObject("You must create the business object before you can add properties!"))
        ShowPropertyForm(businessObject, "");
}

void ModelItemDialogs::NewMethod() {
    if (const auto businessObject =
            TargetBusinessObject("You must create the business object before you can add methods!"))
        ShowMethodForm(businessObject, "");
}

void ModelItemDialogs::EditProperty(const std::string& key, bool freshDialog) {
    if (freshDialog)
        NewPropertyForm();
    if (const auto& businessObject = mForm.CurrentBusObj())
        ShowPropertyForm(businessObject, key);
}

void ModelItemDialogs::EditMethod(const std::string& key, bool freshDialog) {
    if (freshDialog)
        NewMethodForm();
    if (const auto& businessObject = mForm.CurrentBusObj())
        ShowMethodForm(businessObject, key);
}

void ModelItemDialogs::AddVirtualProperty() {
    const auto businessObject =
        TargetBusinessObject("You must create the business object before you can add properties!");
    if (!businessObject)
        return;
    frmSelectVirtProperty picker(*myPropertyForm);
    picker.SetBusinessObject(businessObject);
    picker.SetApplication(mForm.Application());
    picker.Show();
}

void ModelItemDialogs::NewRelationship() {
    if (mForm.Application()->BusinessObjects()->Count() == 0) {
        ui::MsgBox("You must have at least one business object before you can add a relationship!",
                   ui::vbInformation, "Information");
        return;
    }
    const auto businessObject = mForm.GetBusinessObject();
    mForm.SetCurrentBusObj(businessObject);
    myRelationshipForm->SetApplication(mForm.Application());
    myRelationshipForm->SetBusinessObject(businessObject);
    myRelationshipForm->Show();
    RefreshCommittedProperties();
}

void ModelItemDialogs::EditRelationship(const std::string& name) {
    myRelationshipForm->SetApplication(mForm.Application());
    myRelationshipForm->SetBusinessObject(mForm.CurrentBusObj());
    myRelationshipForm->SetRelationships(mForm.Application()->Relationships());
    myRelationshipForm->LoadExistingRelationship(name);
    if (myRelationshipForm->IsLoaded())
        myRelationshipForm->Show();
    RefreshCommittedProperties();
}

void ModelItemDialogs::RefreshCommittedProperties() {
    for (const auto& property : myRelationshipForm->CommittedProperties())
        mForm.PropUpdatedByRelationship(property);
}

}  // namespace builder
