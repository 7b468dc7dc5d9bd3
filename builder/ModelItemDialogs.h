#pragma once
// The main window's business object, property, method and relationship dialogs and the virtual property
// picker: each
// command fills its dialog and shows it; what OK accepts reaches the window's handlers, and a handler
// that refuses keeps the dialog open.

#include <memory>
#include <string>

#include "builder/BuilderDialogs.h"
#include "builder/frmBusObjBuilder.h"
#include "builder/frmMethodBuilder.h"
#include "builder/frmPropertyBuilder.h"
#include "builder/frmRelationshipBuilder.h"

namespace builder {

class ModelItemDialogs : public BuilderDialogs {
  public:
    explicit ModelItemDialogs(frmBuilderMain& form);

    void NewBusinessObject() override;
    void NewProperty() override;
    void NewMethod() override;
    void EditProperty(const std::string& key, bool freshDialog) override;
    void EditMethod(const std::string& key, bool freshDialog) override;
    void NewRelationship() override;
    void EditRelationship(const std::string& name) override;
    void AddVirtualProperty() override;
    void RenewDialogs() override;

    // The instances the window holds now.
    frmBusObjBuilder& BusObjForm() { return *myBusObjForm; }
    frmPropertyBuilder& PropertyForm() { return *myPropertyForm; }
    frmMethodBuilder& MethodForm() { return *myMethodForm; }
    frmRelationshipBuilder& RelationshipForm() { return *myRelationshipForm; }

  private:
    void NewBusObjForm();
    void NewPropertyForm();
    void NewMethodForm();
    void NewRelationshipForm();
    // The rows of the properties the relationship dialog's commit changed.
    void RefreshCommittedProperties();
    // The business object a new item goes to; nothing (after the message) before the first one exists.
    std::shared_ptr<core::qelBusinessObject> TargetBusinessObject(const char* refusal);
    void ShowPropertyForm(const std::shared_ptr<core::qelBusinessObject>& businessObject,
                          const std::string& key);
    void ShowMethodForm(const std::shared_ptr<core::qelBusinessObject>& businessObject,
                        const std::string& key);

    frmBuilderMain& mForm;
    std::unique_ptr<frmBusObjBuilder> myBusObjForm;
    std::unique_ptr<frmPropertyBuilder> myPropertyForm;
    std::unique_ptr<frmMethodBuilder> myMethodForm;
    std::unique_ptr<frmRelationshipBuilder> myRelationshipForm;
};

}  // namespace builder
