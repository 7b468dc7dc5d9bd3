#include "builder/frmMethodBuilder.h"

#include "builder/DialogChecks.h"
#include "core/HelpFile.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/qelBusObjMethod.h"

namespace builder {
namespace {

constexpr const char* kFunction = "Function";
constexpr const char* kSub = "Sub";

bool IsStandardMethod(const std::string& name) {
    return name == "Add" || name == "Update" || name == "Delete" || name == "Read";
}

}  // namespace

void frmMethodBuilder::Form_Load() {
    mLoaded = true;
    chkIsStoredProcedure.Value = 1;
    cmbReturnDataType.Clear();
    for (const char* type : {"None", "Boolean", "Currency", "Date", "Double", "Integer", "Long", "Object",
                             "Single", "String", "Variant"})
        cmbReturnDataType.AddItem(type);
    cmbType.Clear();
    cmbType.AddItem(kFunction);
    cmbType.AddItem(kSub);
    txtSPName.Text.clear();
    mBusObjMethod.reset();
    mIsEditing = false;
    SetDefaults();
}

void frmMethodBuilder::SetDefaults() {
    mCaption = "Method Builder - " + mBusObjName + " Business Object";
    txtName.Enabled = cmbReturnDataType.Enabled = cmbType.Enabled = true;
    txtName.Text.clear();
    cmbReturnDataType.SetListIndex(0);
    cmbType.SetListIndex(1);
    mOKEnabled = false;
}

void frmMethodBuilder::Show() {
    if (!mLoaded)
        Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
}

void frmMethodBuilder::Unload() {
    mLoaded = false;
    mBusObjMethod.reset();
}

void frmMethodBuilder::LoadExistingMethod(const std::string& methID) {
    Form_Load();
    mBusObjMethod = mMethods->Item(methID);
    const core::qelBusObjMethod& method = *mBusObjMethod;
    mCaption = "Method Builder - " + method.BusinessObjectName() + " Business Object";
    if (IsStandardMethod(method.Name()))
        txtName.Enabled = cmbReturnDataType.Enabled = cmbType.Enabled = false;
    txtName_Change(method.Name());
    cmbReturnDataType.SetText(method.ReturnDataType());
    cmbType.SetText(method.MethodType());
    chkIsStoredProcedure.Value = method.IsStoredProcedure() ? 1 : 0;
    if (method.IsStoredProcedure())
        txtSPName.Text = method.StoredProcedureName();
    mOKEnabled = true;
    mIsEditing = true;
}

void frmMethodBuilder::txtName_Change(const std::string& text) {
    txtName.Text = text;
    mNameHelpContext = kNameHelpContext;
    if (!text.empty())
        mOKEnabled = true;
}

void frmMethodBuilder::cmbReturnDataType_LostFocus() {
    if (cmbReturnDataType.ListIndex == 0)
        cmbType.SetText(kSub);
    if (cmbType.Text() == kSub)
        cmbReturnDataType.SetListIndex(0);
}

void frmMethodBuilder::cmbType_LostFocus() {
    if (cmbType.Text() == kSub)
        cmbReturnDataType.SetListIndex(0);
}

void frmMethodBuilder::cmdOK_Click() {
    try {
        if (cmbType.Text() == kFunction && cmbReturnDataType.ListIndex == 0) {
            ShowInformation("Functions return data so Return Data Type cannot equal None!");
            mFocus = "cmbReturnDataType";
            return;
        }
        if (chkIsStoredProcedure.Value == 1 && txtSPName.Text.empty()) {
            ShowInformation(
                "If the method is associated with a stored procedure then the stored procedure name must be "
                "entered!");
            mFocus = "txtSPName";
            return;
        }
        if (AddUpdateMethod()) {
            SetDefaults();
            mFocus = "txtName";
            mBusObjName.clear();
            Unload();
        }
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "cmdOK_Click");
    }
}

bool frmMethodBuilder::AddUpdateMethod() {
    mFocus = "txtName";
    if (vb::Trim(txtName.Text).empty()) {
        ShowInformation("The name must be filled in!");
        return false;
    }
    std::string name;
    if (!AcceptName(txtName.Text, name))
        return false;
    if (IsNameTaken(*mMethods, name, mBusObjMethod.get())) {
        ShowRefusal("A business object method with the same name already \rexists for the " + mBusObjName +
                    " business object.");
        return false;
    }
    if (mOwner && Refused(MethodNameRefusal(*mOwner, mBusObjMethod.get(), name)))
        return false;
    if (!mIsEditing)
        mBusObjMethod = std::make_shared<core::qelBusObjMethod>();
    core::qelBusObjMethod& method = *mBusObjMethod;
    // What the method held, put back when the main window refuses it.
    const core::qelBusObjMethod before = method;
    method.SetBusinessObjectName(mBusObjName);
    method.SetReturnDataType(cmbReturnDataType.Text());
    method.SetMethodType(cmbType.Text());
    method.SetName(name);
    const bool isStoredProcedure = chkIsStoredProcedure.Value == 1;
    method.SetIsStoredProcedure(isStoredProcedure);
    method.SetStoredProcedureName(isStoredProcedure ? txtSPName.Text : "");
    const MethodHandler& handler = mIsEditing ? mUpdated : mAdded;
    try {
        if (handler)
            handler(mBusObjMethod);
    } catch (...) {
        method = before;
        throw;
    }
    if (mIsDuplicateName) {
        method = before;
        mIsDuplicateName = false;
        return false;
    }
    return true;
}

void frmMethodBuilder::cmdCancel_Click() {
    SetDefaults();
    mBusObjName.clear();
    Unload();
}

void frmMethodBuilder::cmdHelp_Click() const {
    core::ShowHelpTopic(kHelpButtonContext);
}

}  // namespace builder
