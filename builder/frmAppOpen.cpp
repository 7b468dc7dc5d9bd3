#include "builder/frmAppOpen.h"

#include "core/HelpFile.h"
#include "core/qelApplication.h"

namespace builder {

frmAppOpen::frmAppOpen(std::function<void()> appInfoOpened)
    : mAppInfoOpened(std::move(appInfoOpened)),
      mList({{"", "App Name"}, {"", "Description"}, {"", "Local DB Name"}, {"", "DSN"}},
            SortOrder::Ascending) {}

void frmAppOpen::AddApplications(const repository::StoredApplications& applications) {
    for (int32_t i = 1; i <= applications.Count(); ++i) {
        const auto& application = *applications.Item(i);
        mList.Add(applications.KeyOf(i), application.Name(),
                  {application.Description(), application.LocalDBName(), application.DSN()});
    }
}

void frmAppOpen::ApplicationListView_DblClick() {
    if (mList.SelectedItem())
        mAppInfoOpened();
}

void frmAppOpen::cmdOK_Click() {
    if (cmdOKEnabled())
        mAppInfoOpened();
}

void frmAppOpen::cmdCancel_Click() {
    Unload();
    mIsCanceled = true;
}

void frmAppOpen::cmdHelp_Click() const {
    core::ShowHelpTopic(kHelpButtonContext);
}

}  // namespace builder
