#pragma once
// The virtual property picker: the properties of the business objects that a business object refers to
// through a to-one association, offered to become properties of its own. Next opens the main window's
// property dialog, pre-filled, for each chosen row in turn, so that each property OK accepts is filed.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/ModelFwd.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Collection.h"

namespace builder {

class frmPropertyBuilder;

class frmSelectVirtProperty : public ui::ModalDialog {
  public:
    static constexpr const char* kCaption = "Select Virtual Properties";

    // One candidate: the referenced business object's name on its first row only, the property's name.
    struct Row {
        std::string key;  // business object & "." & property
        std::string text;
        std::string propertyName;
        bool selected = false;
    };

    // `propertyForm` is the main window's property dialog, whose events file what it adds.
    explicit frmSelectVirtProperty(frmPropertyBuilder& propertyForm) : mPropertyForm(propertyForm) {}

    // Set before the picker is shown.
    void SetBusinessObject(std::shared_ptr<core::qelBusinessObject> businessObject) {
        mBusinessObject = std::move(businessObject);
    }
    void SetApplication(std::shared_ptr<core::qelApplication> application) {
        mApplication = std::move(application);
    }

    // Loads the rows and shows the picker modally.
    void Show();
    bool IsVisible() const { return mVisible; }

    // What the form shows and what a person does on it.
    const std::string& lblInstructions() const { return mInstructions; }
    const std::vector<Row>& lstCandidates() const { return mRows; }
    void SelectRow(size_t row, bool selected);
    void cmdNext_Click();
    void cmdCancel_Click() { mVisible = false; }

    std::string DialogName() const override { return "frmSelectVirtProperty"; }
    void ShowWidget() override;

  private:
    void Form_Load();
    // An owner's property already shows the candidate when it maps to the candidate's field.
    bool IsMapped(const core::qelBusObjProperty& candidate) const;

    frmPropertyBuilder& mPropertyForm;
    std::shared_ptr<core::qelBusinessObject> mBusinessObject;
    std::shared_ptr<core::qelApplication> mApplication;
    std::vector<Row> mRows;
    // The association of each row, keyed like the row.
    vb::Collection<std::shared_ptr<core::qelAssociation>> mAssociations;
    std::string mInstructions;
    bool mVisible = false;
};

}  // namespace builder
