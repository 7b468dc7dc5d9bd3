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
    mFormTemplatePath = core::Common::AddBackslash(txtFormTemplatePath);
    mAppDatabasePath = core::Common::AddBackslash(txtAppDatabasePath);
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
