#include "builder/frmToolOptions.h"

#include "core/CommonNames.h"

namespace builder {

void frmToolOptions::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
    if (!mClosed)
        cmdCancel_Click();
}

void frmToolOptions::Form_Load() {
    mFormTemplatePath = mInitialFormTemplatePath;
    mAppDatabasePath = mInitialAppDatabasePath;
    txtFormTemplatePath = mInitialFormTemplatePath;
    txtAppDatabasePath = mInitialAppDatabasePath;
    mClosed = false;
}

void frmToolOptions::cmdOK_Click() {
    const std::string appDatabasePath = core::Common::AddBackslash(txtAppDatabasePath);
    if (mCheck && !mCheck(appDatabasePath)) {
        mFocus = "txtAppDatabasePath";
        return;
    }
    mFormTemplatePath = core::Common::AddBackslash(txtFormTemplatePath);
    mAppDatabasePath = appDatabasePath;
    mOK = true;
    mClosed = true;
}

void frmToolOptions::cmdCancel_Click() {
    mOK = false;
    mFormTemplatePath = mInitialFormTemplatePath;
    mAppDatabasePath = mInitialAppDatabasePath;
    mClosed = true;
}

}  // namespace builder
