#include "builder/RelationshipPickers.h"

#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"

namespace builder {

namespace {

// The selected entry's text; empty with nothing selected.
std::string SelectedText(const ListBox& list) {
    if (list.ListIndex < 0 || list.ListIndex >= static_cast<int32_t>(list.Items.size()))
        return {};
    return list.Items[static_cast<size_t>(list.ListIndex)];
}

}  // namespace

void frmMatchPropertiesPopUp::Form_Load() {
    mLoaded = true;
    const std::string receiver = mMatches.empty() ? mReceiverName : mMatches.front()->BusinessObjectName();
    lblMessage1 = "Select the property from the " + receiver + " Business Object that matches the ";
    if (mMatchedProperty) {
        lblMessage1 += mMatchedProperty->Name() + " property in the " +
                       mMatchedProperty->BusinessObjectName() + " Business Object.";
    }
    lstProperties = {};
    for (const auto& candidate : mMatches)
        lstProperties.Items.push_back(candidate->Name());
}

void frmMatchPropertiesPopUp::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
    mLoaded = false;
}

void frmMatchPropertiesPopUp::cmdOK_Click() {
    const std::string selected = SelectedText(lstProperties);
    if (!selected.empty()) {
        for (const auto& candidate : mMatches) {
            if (candidate->Name() == selected && mSelected)
                mSelected(candidate);
        }
    }
    Unload();
}

void frmMatchPropertiesPopUp::Unload() {
    mLoaded = false;
    mMatchedProperty.reset();
}

void frmSuppBusObj::Form_Load() {
    mLoaded = true;
    lblMessage1 = "Select the BusinessObject that will be supplying the Foreign Key:";
    lstBusObj = {};
    for (const auto& businessObject : mBusinessObjects)
        lstBusObj.Items.push_back(businessObject->Name());
}

void frmSuppBusObj::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
    mLoaded = false;
}

void frmSuppBusObj::cmdOK_Click() {
    const std::string selected = SelectedText(lstBusObj);
    if (!selected.empty()) {
        for (const auto& businessObject : mBusinessObjects) {
            if (businessObject->Name() == selected && mSelected)
                mSelected(businessObject);
        }
    }
    mLoaded = false;
}

}  // namespace builder
