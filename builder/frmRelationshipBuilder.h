#pragma once
// The relationship dialog: makes a relationship between two business objects of the open application,
// or edits one. It decides which object supplies its key properties and which receives them, pairs every
// supplied key property with a property of the receiver, and on OK commits (AddUpdateRelationship):
// foreign-key flags, key removal, naming and filing, then RelationshipAdded or RelationshipUpdated.
//
// Until the commit is accepted the dialog keeps everything in its own state: Cancel, a refused OK or a
// failed commit leaves the model as it was, also when an existing relationship was edited.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "builder/Controls.h"
#include "core/ModelFwd.h"
#include "platform/ui/Interaction.h"

namespace builder {

// One row of the key list: a key property of the supplier and the receiver's property matched to it
// (empty until matched).
struct MatchedRow {
    std::string Key;
    std::string Matched;
};

struct MatchedList {
    std::string SupplierHeader;
    std::string ReceiverHeader;
    std::vector<MatchedRow> Rows;
    int32_t ListIndex = -1;
};

class frmRelationshipBuilder : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 4;
    enum Tab : int32_t { General = 0, FirstBusObj = 1, SecondBusObj = 2, RelatedProperties = 3 };

    using RelationshipAddedHandler = std::function<bool(const std::shared_ptr<core::qelRelationship>&)>;
    using RelationshipUpdatedHandler = std::function<void(const std::shared_ptr<core::qelRelationship>&)>;

    void SetApplication(std::shared_ptr<core::qelApplication> application) {
        mApplication = std::move(application);
    }
    // The business object selected in the main window; after a commit, the receiver of the keys.
    void SetBusinessObject(std::shared_ptr<core::qelBusinessObject> businessObject) {
        myStartBusObj = std::move(businessObject);
    }
    const std::shared_ptr<core::qelBusinessObject>& BusinessObject() const { return myStartBusObj; }
    void SetRelationships(std::shared_ptr<core::RelationshipCollection> relationships) {
        mRelationships = std::move(relationships);
    }
    // Loads the relationship filed under `relID` in Relationships for editing; call before Show.
    void LoadExistingRelationship(const std::string& relID);
    // RelationshipAdded returns false when the main window refused the relationship: nothing else is
    // changed then and the dialog stays open.
    void OnRelationshipAdded(RelationshipAddedHandler handler) { mAdded = std::move(handler); }
    void OnRelationshipUpdated(RelationshipUpdatedHandler handler) { mUpdated = std::move(handler); }

    // Loads the dialog when it is not loaded and shows it modally.
    void Show();
    bool IsLoaded() const { return mLoaded; }
    bool IsEditMode() const { return myEditMode; }
    // The receiver's properties the last commit made foreign keys (their rows show them anew).
    const std::vector<std::shared_ptr<core::qelBusObjProperty>>& CommittedProperties() const {
        return mCommitted;
    }

    // The receiver's properties of the key property's data type and length, in their order.
    static std::vector<std::shared_ptr<core::qelBusObjProperty>> GetMatchingProperties(
        const core::qelBusObjProperty& keyProperty, const core::qelBusinessObject& receiver);

    // What the form shows and what a person does on it. The two business-object boxes are read-only:
    // names enter through ">" and the double click only.
    ComboBox cmbRelType;
    ListBox lstAllBusObjects;
    TextBox txtBusObj1, txtBusObj2;
    TextBox txtBusObj1A, txtBusObj2A, txtBusObj1B, txtBusObj2B;
    TextBox txtAssoc1Name, txtAssoc2Name;
    OptionButton optA1Always, optA1Sometimes, optA1One, optA1Many;
    OptionButton optA2Always, optA2Sometimes, optA2One, optA2Many;
    MatchedList MatchedListView;
    const std::string& Caption() const { return mCaption; }
    const std::string& Frame2Caption() const { return mFrame2Caption; }
    bool cmdMoveFieldsVisible() const { return lstAllBusObjects.Visible; }
    const std::string& TabCaption(int32_t tab) const { return mTabCaptions.at(static_cast<size_t>(tab)); }
    int32_t SSTab1() const { return mTab; }
    const std::string& Focus() const { return mFocus; }

    // 0 ">" and 1 "<" of the first box, 2 ">" and 3 "<" of the second.
    void cmdMoveFields_Click(int32_t index);
    void lstAllBusObjects_DblClick();
    void optA1Always_Click() { SetOptional(mEnd1, optA1Always, optA1Sometimes, false); }
    void optA1Sometimes_Click() { SetOptional(mEnd1, optA1Sometimes, optA1Always, true); }
    void optA2Always_Click() { SetOptional(mEnd2, optA2Always, optA2Sometimes, false); }
    void optA2Sometimes_Click() { SetOptional(mEnd2, optA2Sometimes, optA2Always, true); }
    void optA1One_Click() { SetCardinality(mEnd1, optA1One, optA1Many, kOne); }
    void optA1Many_Click() { SetCardinality(mEnd1, optA1Many, optA1One, kMany); }
    void optA2One_Click() { SetCardinality(mEnd2, optA2One, optA2Many, kOne); }
    void optA2Many_Click() { SetCardinality(mEnd2, optA2Many, optA2One, kMany); }
    void txtAssoc1Name_Change(const std::string& text) { txtAssoc1Name.Text = mEnd1.Description = text; }
    void txtAssoc2Name_Change(const std::string& text) { txtAssoc2Name.Text = mEnd2.Description = text; }
    void cmbRelType_GotFocus() { myPrevRelType = cmbRelType.Text(); }
    void cmbRelType_Click(int32_t index);
    void SSTab1_Click(int32_t tab);
    void MatchedListView_DblClick();
    void cmdOK_Click();
    void cmdCancel_Click() { Unload(); }
    void cmdHelp_Click() const;

    std::string DialogName() const override { return "frmRelationshipBuilder"; }
    void ShowWidget() override;

  private:
    static constexpr const char* kOne = "One";
    static constexpr const char* kMany = "Many";

    // One association as the dialog holds it until the commit.
    struct End {
        bool IsOptional = false;
        std::string Cardinality;
        std::string Description;
    };
    // What a matched row commits: the receiver's property and the supplier's key property.
    struct Match {
        std::shared_ptr<core::qelBusObjProperty> Receiver;
        std::shared_ptr<core::qelBusObjProperty> Supplier;
    };

    void Form_Load();
    void InitNewRelationship();
    void Unload();
    void SetBusObj1(const std::string& name);
    void SetBusObj2(const std::string& name);
    void SetOptional(End& end, OptionButton& chosen, OptionButton& other, bool optional);
    void SetCardinality(End& end, OptionButton& chosen, OptionButton& other, const char* cardinality);
    // The key list no longer holds for the ends and cardinalities shown.
    void ForgetKeys();
    void BuildKeyList();
    bool IsOneToOne() const { return mEnd1.Cardinality == kOne && mEnd2.Cardinality == kOne; }
    // Every check first, then the model; true when committed.
    bool AddUpdateRelationship();
    bool Refuse(const char* prompt, const char* focus);
    std::vector<Match> ResolveMatches() const;
    std::shared_ptr<core::qelRelationship> NewRelationship() const;
    void CommitForeignKeys(const std::vector<Match>& matches, const core::qelRelationship& relationship);

    std::shared_ptr<core::qelApplication> mApplication;
    std::shared_ptr<core::RelationshipCollection> mRelationships;
    std::shared_ptr<core::qelBusinessObject> myStartBusObj;
    std::shared_ptr<core::qelRelationship> myRelationship;  // the edited one; none for a new one
    std::shared_ptr<core::qelBusinessObject> myBusObj1, myBusObj2, myParentBusObj, myChildBusObj;
    End mEnd1, mEnd2;
    bool myEditMode = false;
    std::string myPrevRelType;
    RelationshipAddedHandler mAdded;
    RelationshipUpdatedHandler mUpdated;
    std::vector<std::shared_ptr<core::qelBusObjProperty>> mCommitted;

    bool mLoaded = false;
    std::string mCaption = "Relationship Builder";
    std::string mFrame2Caption;
    std::vector<std::string> mTabCaptions;
    int32_t mTab = General;
    std::string mFocus;
};

}  // namespace builder
