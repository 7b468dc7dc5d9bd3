#pragma once
// The relationship dialog's two pickers: which property of the receiving business object matches one key
// property of the supplier, and which of the two business objects of a one-to-one relationship supplies
// the key. Each hands the choice back through its event before its modal showing returns; neither changes
// the model.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "builder/Controls.h"
#include "core/ModelFwd.h"
#include "platform/ui/Interaction.h"

namespace builder {

class frmMatchPropertiesPopUp : public ui::ModalDialog {
  public:
    using PropertyHandler = std::function<void(const std::shared_ptr<core::qelBusObjProperty>&)>;

    void SetMatchedProperty(std::shared_ptr<core::qelBusObjProperty> property) {
        mMatchedProperty = std::move(property);
    }
    void SetPotentialMatches(std::vector<std::shared_ptr<core::qelBusObjProperty>> matches) {
        mMatches = std::move(matches);
    }
    // The receiving business object, named in the instruction also when there is no candidate.
    void SetReceiverName(std::string name) { mReceiverName = std::move(name); }
    void OnPropSelectedfromSupBusObj(PropertyHandler handler) { mSelected = std::move(handler); }

    void Show();
    bool IsLoaded() const { return mLoaded; }

    static constexpr const char* kCaption = "Match Property";
    std::string lblMessage1;
    ListBox lstProperties;
    void cmdOK_Click();
    void lstProperties_DblClick() { cmdOK_Click(); }
    void cmdCancel_Click() { Unload(); }

    std::string DialogName() const override { return "frmMatchPropertiesPopUp"; }
    void ShowWidget() override;

  private:
    void Form_Load();
    void Unload();

    std::shared_ptr<core::qelBusObjProperty> mMatchedProperty;
    std::vector<std::shared_ptr<core::qelBusObjProperty>> mMatches;
    std::string mReceiverName;
    PropertyHandler mSelected;
    bool mLoaded = false;
};

class frmSuppBusObj : public ui::ModalDialog {
  public:
    using BusinessObjectHandler = std::function<void(const std::shared_ptr<core::qelBusinessObject>&)>;

    // The relationship's two business objects, first then second (twice the same for a recursive one).
    void SetPotentialBusObjs(std::vector<std::shared_ptr<core::qelBusinessObject>> businessObjects) {
        mBusinessObjects = std::move(businessObjects);
    }
    void OnBusinessObjSelected(BusinessObjectHandler handler) { mSelected = std::move(handler); }

    void Show();
    bool IsLoaded() const { return mLoaded; }

    static constexpr const char* kCaption = "VB Ostrel";
    std::string lblMessage1;
    ListBox lstBusObj;
    void cmdOK_Click();
    void cmdCancel_Click() { mLoaded = false; }

    std::string DialogName() const override { return "frmSuppBusObj"; }
    void ShowWidget() override;

  private:
    void Form_Load();

    std::vector<std::shared_ptr<core::qelBusinessObject>> mBusinessObjects;
    BusinessObjectHandler mSelected;
    bool mLoaded = false;
};

}  // namespace builder
