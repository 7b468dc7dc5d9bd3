#include "builder/frmRelationshipBuilder.h"

#include "builder/ModelViews.h"
#include "builder/RelationshipPickers.h"
#include "core/HelpFile.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"
#include "repository/ModelFiling.h"

namespace builder {

namespace {

constexpr const char* kIdentifying = "Identifying";
constexpr int32_t kReferenceIndex = 1;
constexpr int32_t kSubtypeIndex = 2;

template <typename Item>
std::string NameOf(const std::shared_ptr<Item>& item) {
    return item ? item->Name() : std::string();
}

// The property filed in `owner` under its name & ".Properties." & `name`; 91 without an owner.
std::shared_ptr<core::qelBusObjProperty> PropertyOf(const std::shared_ptr<core::qelBusinessObject>& owner,
                                                    const std::string& name) {
    if (!owner)
        vb::Raise(vb::kObjectNotSet);
    return owner->Properties()->Item(PropertyKey(owner->Name(), name));
}

}  // namespace

void frmRelationshipBuilder::Form_Load() {
    mLoaded = true;
    cmbRelType.Clear();
    for (const char* type : {"Identifying", "Reference", "Subtype"})
        cmbRelType.AddItem(type);
    cmbRelType.SetListIndex(kReferenceIndex);
    lstAllBusObjects = {};
    if (mApplication) {
        for (const auto& businessObject : *mApplication->BusinessObjects())
            lstAllBusObjects.Items.push_back(businessObject->Name());
    }
    mTabCaptions = {"General", "FirstBusObj", "SecondBusObj", "Related Properties"};
    mFrame2Caption = "Select Related Business Objects";
    myRelationship.reset();
    myParentBusObj.reset();
    myChildBusObj.reset();
    myEditMode = false;
    SetBusObj1("");
    SetBusObj2("");
    txtAssoc1Name_Change("");
    txtAssoc2Name_Change("");
    for (OptionButton* option : {&optA1Always, &optA1Sometimes, &optA1One, &optA1Many, &optA2Always,
                                 &optA2Sometimes, &optA2One, &optA2Many})
        *option = {};
    MatchedListView = {};
    mFocus.clear();
    mCommitted.clear();
    InitNewRelationship();
}

void frmRelationshipBuilder::InitNewRelationship() {
    mCaption = "Relationship Builder - New Relationship";
    optA1One_Click();
    optA1Sometimes_Click();
    optA2Many_Click();
    optA2Always_Click();
    SSTab1_Click(General);
}

void frmRelationshipBuilder::Show() {
    if (!mLoaded)
        Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
}

void frmRelationshipBuilder::Unload() {
    mLoaded = false;
    myRelationship.reset();
    myBusObj1.reset();
    myBusObj2.reset();
    myParentBusObj.reset();
    myChildBusObj.reset();
}

void frmRelationshipBuilder::SetBusObj1(const std::string& name) {
    const bool changed = txtBusObj1.Text != name;
    txtBusObj1.Text = txtBusObj1A.Text = txtBusObj2B.Text = name;
    mTabCaptions[FirstBusObj] = name.empty() ? "FirstBusObj" : name;
    myBusObj1 = name.empty() ? nullptr : mApplication->BusinessObjects()->Item(name);
    if (changed)
        ForgetKeys();
}

void frmRelationshipBuilder::SetBusObj2(const std::string& name) {
    const bool changed = txtBusObj2.Text != name;
    txtBusObj2.Text = txtBusObj1B.Text = txtBusObj2A.Text = name;
    mTabCaptions[SecondBusObj] = name.empty() ? "SecondBusObj" : name;
    myBusObj2 = name.empty() ? nullptr : mApplication->BusinessObjects()->Item(name);
    if (changed)
        ForgetKeys();
}

void frmRelationshipBuilder::cmdMoveFields_Click(int32_t index) {
    ListBox& list = lstAllBusObjects;
    const bool selected = list.ListIndex >= 0 && list.ListIndex < static_cast<int32_t>(list.Items.size());
    TextBox& box = index < 2 ? txtBusObj1 : txtBusObj2;
    const auto set = [this, index](const std::string& name) {
        index < 2 ? SetBusObj1(name) : SetBusObj2(name);
    };
    if (index % 2 == 0) {
        if (box.Text.empty() && selected) {
            set(list.Items[static_cast<size_t>(list.ListIndex)]);
            list.ListIndex = 0;
        }
    } else if (!box.Text.empty()) {
        set("");
    }
}

void frmRelationshipBuilder::lstAllBusObjects_DblClick() {
    if (txtBusObj1.Text.empty())
        cmdMoveFields_Click(0);
    else if (txtBusObj2.Text.empty())
        cmdMoveFields_Click(2);
}

void frmRelationshipBuilder::SetOptional(End& end, OptionButton& chosen, OptionButton& other, bool optional) {
    chosen.Value = true;
    other.Value = false;
    end.IsOptional = optional;
}

void frmRelationshipBuilder::SetCardinality(End& end, OptionButton& chosen, OptionButton& other,
                                            const char* cardinality) {
    chosen.Value = true;
    other.Value = false;
    const bool changed = end.Cardinality != cardinality;
    end.Cardinality = cardinality;
    if (IsOneToOne())
        cmbRelType.SetListIndex(kSubtypeIndex);
    if (changed)
        ForgetKeys();
}

void frmRelationshipBuilder::ForgetKeys() {
    if (myEditMode)
        return;
    MatchedListView.Rows.clear();
    MatchedListView.ListIndex = -1;
}

void frmRelationshipBuilder::cmbRelType_Click(int32_t index) {
    cmbRelType.SetListIndex(index);
    if (index != kSubtypeIndex && IsOneToOne()) {
        ui::MsgBox(
            "A one-to-one relationship has been created.  Therefore, \rthe relationship type must be "
            "Subtype!",
            ui::vbInformation, "VB Ostrel");
        cmbRelType.SetListIndex(kSubtypeIndex);
    } else if (index == kSubtypeIndex && (mEnd1.Cardinality == kMany || mEnd2.Cardinality == kMany)) {
        ui::MsgBox(
            "A one-to-many relationship has been created.  Therefore, \rthe relationship type must be "
            "Reference or Identifying!",
            ui::vbInformation, "VB Ostrel");
        cmbRelType.SetText(myPrevRelType);
    }
}

void frmRelationshipBuilder::SSTab1_Click(int32_t tab) {
    mTab = tab;
    if (tab != RelatedProperties || myEditMode)
        return;
    if (mEnd1.Cardinality == kMany && mEnd2.Cardinality == kMany) {
        ForgetKeys();
        ui::MsgBox("Relationship is many-to-many.", ui::vbInformation, "Information");
        return;
    }
    BuildKeyList();
}

void frmRelationshipBuilder::BuildKeyList() {
    myParentBusObj.reset();
    myChildBusObj.reset();
    if (mEnd1.Cardinality == kOne && mEnd2.Cardinality == kMany) {
        myChildBusObj = myBusObj1;
        myParentBusObj = myBusObj2;
    } else if (mEnd1.Cardinality == kMany && mEnd2.Cardinality == kOne) {
        myChildBusObj = myBusObj2;
        myParentBusObj = myBusObj1;
    } else if (myBusObj1 && myBusObj2) {
        frmSuppBusObj picker;
        picker.SetPotentialBusObjs({myBusObj1, myBusObj2});
        picker.OnBusinessObjSelected([this](const std::shared_ptr<core::qelBusinessObject>& supplier) {
            myParentBusObj = supplier;
            myChildBusObj = supplier->Name() != myBusObj1->Name() ? myBusObj1 : myBusObj2;
        });
        picker.Show();
    }
    MatchedListView = {};
    // No supplier yet (an end still empty, or the supplier picker cancelled): nothing to list or to say.
    if (!myParentBusObj)
        return;
    if (myParentBusObj->Properties()->Count() == 0) {
        ui::MsgBox("There are no properties in " + myParentBusObj->Name() + ".", ui::vbInformation,
                   "Information");
        return;
    }
    MatchedListView.SupplierHeader = myParentBusObj->Name();
    MatchedListView.ReceiverHeader = NameOf(myChildBusObj);
    for (const auto& property : *myParentBusObj->Properties()) {
        if (property->IsKey())
            MatchedListView.Rows.push_back({property->Name(), ""});
    }
}

std::vector<std::shared_ptr<core::qelBusObjProperty>> frmRelationshipBuilder::GetMatchingProperties(
    const core::qelBusObjProperty& keyProperty, const core::qelBusinessObject& receiver) {
    std::vector<std::shared_ptr<core::qelBusObjProperty>> matches;
    for (const auto& property : *receiver.Properties()) {
        if (property->DataType() == keyProperty.DataType() && property->Length() == keyProperty.Length())
            matches.push_back(property);
    }
    return matches;
}

void frmRelationshipBuilder::MatchedListView_DblClick() {
    const int32_t index = MatchedListView.ListIndex;
    if (index < 0 || index >= static_cast<int32_t>(MatchedListView.Rows.size()))
        return;
    try {
        const auto keyProperty =
            PropertyOf(myParentBusObj, MatchedListView.Rows[static_cast<size_t>(index)].Key);
        frmMatchPropertiesPopUp picker;
        picker.SetMatchedProperty(keyProperty);
        picker.SetReceiverName(NameOf(myChildBusObj));
        if (myChildBusObj)
            picker.SetPotentialMatches(GetMatchingProperties(*keyProperty, *myChildBusObj));
        picker.OnPropSelectedfromSupBusObj(
            [this, index](const std::shared_ptr<core::qelBusObjProperty>& property) {
                MatchedListView.ListIndex = index;
                MatchedListView.Rows[static_cast<size_t>(index)].Matched = property->Name();
            });
        picker.Show();
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "MatchedListView_DblClick");
    }
}

void frmRelationshipBuilder::cmdOK_Click() {
    mFocus.clear();
    if (MatchedListView.Rows.empty()) {
        ui::MsgBox("Business objects must have primary keys before \ra relationship can be created!",
                   ui::vbExclamation, "VB Ostrel");
        return;
    }
    for (const MatchedRow& row : MatchedListView.Rows) {
        if (row.Matched.empty()) {
            ui::MsgBox(
                "The keys that relate  the business objects must be selected\r before the relationship "
                "can be saved!",
                ui::vbExclamation, "VB Ostrel");
            return;
        }
    }
    if (AddUpdateRelationship())
        Unload();
}

void frmRelationshipBuilder::cmdHelp_Click() const {
    core::ShowHelpTopic(kHelpContext);
}

bool frmRelationshipBuilder::Refuse(const char* prompt, const char* focus) {
    ui::MsgBox(prompt, ui::vbInformation, "Information");
    mFocus = focus;
    return false;
}

std::vector<frmRelationshipBuilder::Match> frmRelationshipBuilder::ResolveMatches() const {
    std::vector<Match> matches;
    for (const MatchedRow& row : MatchedListView.Rows) {
        if (!row.Matched.empty())
            matches.push_back({PropertyOf(myChildBusObj, row.Matched), PropertyOf(myParentBusObj, row.Key)});
    }
    return matches;
}

std::shared_ptr<core::qelRelationship> frmRelationshipBuilder::NewRelationship() const {
    auto relationship = std::make_shared<core::qelRelationship>();
    relationship->SetName(repository::NextRelationshipName(*mApplication));
    relationship->SetRelType(cmbRelType.Text());
    const bool recursive = myBusObj1->Name() == myBusObj2->Name();
    const std::string keys[] = {RelationshipKey(myBusObj1->Name(), relationship->Name(), false),
                                RelationshipKey(myBusObj2->Name(), relationship->Name(), recursive)};
    // An end filed under a taken key would fail half way: refuse before anything is filed.
    if (myBusObj1->SourceAssociations()->Exists(keys[0]) ||
        myBusObj2->TargetAssociations()->Exists(keys[0]) ||
        myBusObj1->TargetAssociations()->Exists(keys[1]) || myBusObj2->SourceAssociations()->Exists(keys[1]))
        vb::Raise(vb::kDuplicateKey);
    const End* ends[] = {&mEnd1, &mEnd2};
    for (int i = 0; i < 2; ++i) {
        auto association = std::make_shared<core::qelAssociation>();
        association->SetSourceBusObj(i == 0 ? myBusObj1 : myBusObj2);
        association->SetTargetBusObj(i == 0 ? myBusObj2 : myBusObj1);
        association->SetCardinality(ends[i]->Cardinality);
        association->SetIsOptional(ends[i]->IsOptional);
        association->SetDescription(ends[i]->Description);
        association->SetRelationship(relationship);
        relationship->Associations()->Add(association, keys[i]);
    }
    return relationship;
}

void frmRelationshipBuilder::CommitForeignKeys(const std::vector<Match>& matches,
                                               const core::qelRelationship& relationship) {
    const std::string receiver = NameOf(myChildBusObj);
    std::shared_ptr<core::qelAssociation> receiving;
    for (const auto& association : *relationship.Associations()) {
        if (!receiving && NameOf(association->SourceBusObj()) == receiver &&
            association->Cardinality() == kOne)
            receiving = association;
    }
    auto& keys = *myChildBusObj->KeyProperties();
    for (const Match& match : matches) {
        core::qelBusObjProperty& property = *match.Receiver;
        if (receiving) {
            if (!receiving->IsOptional())
                property.SetIsMandatory(true);
            bool listed = false;
            for (const auto& foreign : *receiving->SourceForeignProperties())
                listed = listed || foreign->Name() == property.Name();
            if (!listed)
                receiving->SourceForeignProperties()->Add(match.Receiver);
        }
        property.SetIsForeignProperty(true);
        property.Field()->SetIsForeignKey(true);
        if (cmbRelType.Text() != kIdentifying && property.KeyIndex() > 0) {
            for (int32_t i = keys.Count(); i >= 1; --i) {
                if (keys.Item(i) == match.Receiver)
                    keys.Remove(i);
            }
            property.SetKeyIndex(0);
            for (int32_t i = 1; i <= keys.Count(); ++i)
                keys.Item(i)->SetKeyIndex(static_cast<int16_t>(i));
        }
        property.SetForeignKeyField(match.Supplier->Field());
        mCommitted.push_back(match.Receiver);
    }
}

bool frmRelationshipBuilder::AddUpdateRelationship() {
    try {
        if (txtBusObj1.Text.empty())
            return Refuse("The First Business Object must be filled in!", "txtBusObj1");
        if (txtBusObj2.Text.empty())
            return Refuse("The Second Business Object must be filled in!", "txtBusObj2");
        if (txtAssoc1Name.Text.empty())
            return Refuse("The Relationship Description must be filled in!", "txtAssoc1Name");
        if (txtAssoc2Name.Text.empty())
            return Refuse("The Relationship Description must be filled in!", "txtAssoc2Name");
        const std::vector<Match> matches = ResolveMatches();
        if (!myEditMode) {
            const auto relationship = NewRelationship();
            if (mAdded && !mAdded(relationship))
                return false;
            const auto& associations = *relationship->Associations();
            myBusObj1->SourceAssociations()->Add(associations.Item(1), associations.KeyOf(1));
            myBusObj2->TargetAssociations()->Add(associations.Item(1), associations.KeyOf(1));
            myBusObj1->TargetAssociations()->Add(associations.Item(2), associations.KeyOf(2));
            myBusObj2->SourceAssociations()->Add(associations.Item(2), associations.KeyOf(2));
            CommitForeignKeys(matches, *relationship);
        } else {
            const auto& associations = *myRelationship->Associations();
            associations.Item(1)->SetDescription(mEnd1.Description);
            associations.Item(2)->SetDescription(mEnd2.Description);
            myRelationship->SetRelType(cmbRelType.Text());
            CommitForeignKeys(matches, *myRelationship);
            if (mUpdated)
                mUpdated(myRelationship);
        }
        myStartBusObj = myChildBusObj;
        return true;
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "AddUpdateRelationship");
        return false;
    }
}

void frmRelationshipBuilder::LoadExistingRelationship(const std::string& relID) {
    try {
        Form_Load();
        myRelationship = mRelationships->Item(relID);
        const auto& associations = *myRelationship->Associations();
        const auto first = associations.Item(1);
        const auto second = associations.Item(2);
        const std::string type = myRelationship->RelType();
        const auto from = first->SourceBusObj();
        const auto to = first->TargetBusObj();
        if (!from || !to)
            vb::Raise(vb::kObjectNotSet);
        mCaption = "Relationship Builder - " + vb::Trim(from->Name()) + " and " + vb::Trim(to->Name());
        SetBusObj1(from->Name());
        SetBusObj2(to->Name());
        first->IsOptional() ? optA1Sometimes_Click() : optA1Always_Click();
        txtAssoc1Name_Change(first->Description());
        first->Cardinality() == kOne ? optA1One_Click() : optA1Many_Click();
        second->IsOptional() ? optA2Sometimes_Click() : optA2Always_Click();
        txtAssoc2Name_Change(second->Description());
        second->Cardinality() == kOne ? optA2One_Click() : optA2Many_Click();
        if (type == "Identifying" || type == "Reference" || type == "Subtype")
            cmbRelType.SetText(type);
        else
            cmbRelType.SetListIndex(IsOneToOne() ? kSubtypeIndex : kReferenceIndex);

        std::shared_ptr<core::qelAssociation> receiving;
        for (const auto& end : {first, second}) {
            if (!receiving && end->SourceForeignProperties()->Count() > 0 && end->Cardinality() == kOne)
                receiving = end;
        }
        lstAllBusObjects.Items.clear();
        for (const auto& businessObject : *mApplication->BusinessObjects()) {
            if (businessObject->Name() != from->Name() && businessObject->Name() != to->Name())
                lstAllBusObjects.Items.push_back(businessObject->Name());
        }
        lstAllBusObjects.ListIndex = -1;
        MatchedListView = {};
        if (receiving) {
            myChildBusObj = receiving->SourceBusObj();
            myParentBusObj = receiving->TargetBusObj();
            MatchedListView.SupplierHeader = NameOf(myParentBusObj);
            MatchedListView.ReceiverHeader = NameOf(myChildBusObj);
            for (const auto& property : *receiving->SourceForeignProperties()) {
                const auto& keyField = property->ForeignKeyField();
                const auto supplier = keyField ? keyField->BusObjProperty() : nullptr;
                MatchedListView.Rows.push_back({NameOf(supplier), property->Name()});
            }
        }
        for (OptionButton* option : {&optA1Always, &optA1Sometimes, &optA1One, &optA1Many, &optA2Always,
                                     &optA2Sometimes, &optA2One, &optA2Many})
            option->Enabled = false;
        mFrame2Caption = "Related Business Objects";
        lstAllBusObjects.Visible = false;
        myEditMode = true;
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "LoadExistingRelationship");
    }
}

}  // namespace builder
