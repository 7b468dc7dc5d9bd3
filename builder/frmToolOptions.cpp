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
    const std::string formTemplatePath = core::Common::AddBackslash(txtFormTemplatePath);
    const std::string appDatabasePath = core::Common::AddBackslash(txtAppDatabasePath);
    const struct {
        const char* box;
        const FolderCheck& check;
        const std::string& folder;
    } boxes[] = {{"txtFormTemplatePath", mFormTemplateCheck, formTemplatePath},
                 {"txtAppDatabasePath", mAppDatabaseCheck, appDatabasePath}};
    for (const auto& box : boxes) {
        if (box.check && !box.check(box.folder)) {
            mFocus = box.box;
            return;
        }
    }
    mFormTemplatePath = formTemplatePath;
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
