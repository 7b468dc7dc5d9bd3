#pragma once
// The open dialog: the applications of the repository, one row each, from which the developer picks
// the one to load. Choosing raises AppInfoOpened; the main window loads the application while the dialog
// stays shown, and unloads it when the load succeeded.

#include <cstdint>
#include <functional>
#include <string>

#include "builder/ReportList.h"
#include "platform/ui/Interaction.h"
#include "repository/ApplicationList.h"

namespace builder {

class frmAppOpen : public ui::ModalDialog {
  public:
    static constexpr const char* kCaption = "Open VB Ostrel Application";
    static constexpr int32_t kHelpContext = 31;
    static constexpr int32_t kHelpButtonContext = 1001;

    // `appInfoOpened` is the main window's handler of the event.
    explicit frmAppOpen(std::function<void()> appInfoOpened);

    // One row per stored application, keyed as in the list.
    void AddApplications(const repository::StoredApplications& applications);

    ReportList& ApplicationListView() { return mList; }
    const ReportList& ApplicationListView() const { return mList; }
    bool IsCanceled() const { return mIsCanceled; }
    bool IsUnloaded() const { return mUnloaded; }
    // "Open" needs a selected row.
    bool cmdOKEnabled() const { return mList.SelectedItem() != nullptr; }

    void ApplicationListView_DblClick();
    void ApplicationListView_ColumnClick(int32_t columnIndex) { mList.ColumnClick(columnIndex); }
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click() const;
    void Unload() { mUnloaded = true; }

    std::string DialogName() const override { return "frmAppOpen"; }
    void ShowWidget() override;

  private:
    std::function<void()> mAppInfoOpened;
    ReportList mList;
    bool mIsCanceled = false;
    bool mUnloaded = false;
};

}  // namespace builder
