#include "builder/frmBusObjBuilder.h"

#include "builder/DialogChecks.h"
#include "core/HelpFile.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/qelApplication.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusinessObject.h"
#include "core/qelTable.h"

namespace builder {

std::shared_ptr<core::qelBusinessObject> MakeBusinessObject(const std::string& name) {
    auto businessObject = std::make_shared<core::qelBusinessObject>();
    businessObject->SetName(name);
    businessObject->SetL1ClassName(name + "UI");
    businessObject->SetL2BusObjClass(name);
    businessObject->SetL2DisplayClass(name + "Display");
    businessObject->SetL2ListClass(name + "List");
    businessObject->SetL3BusObjClass(name + "Persist");
    businessObject->SetL3ListClass(name + "ListPersist");
    // Stored with a table of its own, the fields of the properties filed later go there.
    businessObject->Table()->SetName(name);
    businessObject->Table()->SetBusinessObject(businessObject);
    for (const char* methodName : {"Add", "Update", "Read", "Delete"}) {
        auto method = std::make_shared<core::qelBusObjMethod>();
        method->SetName(methodName);
        method->SetMethodType("Sub");
        method->SetReturnDataType("None");
        method->SetIsStoredProcedure(false);
        businessObject->Methods()->Add(method, name + ".Methods." + methodName);
    }
    return businessObject;
}

void frmBusObjBuilder::Form_Load() {
    mLoaded = true;
    mOKEnabled = false;
    mOKDefault = false;
}

void frmBusObjBuilder::Show() {
    if (!mLoaded)
        Form_Load();
    mVisible = true;
    ui::CurrentInteraction().ShowModal(*this);
}

void frmBusObjBuilder::txtName_Change(const std::string& text) {
    txtName.Text = text;
    mNameHelpContext = kNameHelpContext;
    if (!text.empty()) {
        mOKEnabled = true;
        mOKDefault = true;
    }
}

bool frmBusObjBuilder::AddBusinessObject() {
    mFocus = "txtName";
    std::string name;
    if (!AcceptName(txtName.Text, name))
        return false;
    if (mApplication && IsNameTaken(*mApplication->BusinessObjects(), name,
                                    static_cast<const core::qelBusinessObject*>(nullptr))) {
        ShowRefusal("A business object with the same name already \rexists for the " + mApplication->Name() +
                    " application.");
        return false;
    }
    mNewBusinessObject = MakeBusinessObject(name);
    if (mAdded)
        mAdded(mNewBusinessObject);
    if (mIsDuplicateName) {
        mIsDuplicateName = false;
        return false;
    }
    txtName.Text.clear();
    return true;
}

void frmBusObjBuilder::cmdOK_Click() {
    try {
        if (AddBusinessObject())
            mVisible = false;
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "cmdOK_Click");
    }
}

void frmBusObjBuilder::cmdCancel_Click() {
    mFocus = "txtName";
    mVisible = false;
}

void frmBusObjBuilder::cmdHelp_Click() const {
    core::ShowHelpTopic(kHelpContext);
}

}  // namespace builder
