#include "builder/frmBusObjBuilder.h"

#include "builder/DialogChecks.h"
#include "core/HelpFile.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/qelApplication.h"
#include "core/qelBusinessObject.h"

namespace builder {

std::shared_ptr<core::qelBusinessObject> MakeBusinessObject(const std::string& name) {
    // Stored with a table of its own, the fields of the properties filed later go there.
    return core::NewBusinessObject(name, name);
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
    if (Refused(BusinessObjectNameRefusal(name)))
        return false;
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
