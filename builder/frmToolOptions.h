#pragma once
// The tool options dialog: the folder of the form templates and the folder of the repository. The boxes
// start with the values the caller sets; OK ends each non-empty path with the separator (an empty one
// stays empty: the default folder). A folder the caller's check refuses keeps the dialog open.

#include <functional>
#include <string>

#include "platform/ui/Interaction.h"

namespace builder {

class frmToolOptions : public ui::ModalDialog {
  public:
    // The controls, as a person sees and changes them.
    std::string txtFormTemplatePath;
    std::string txtAppDatabasePath;

    // The values to start from.
    void SetFormTemplatePath(std::string value) { mInitialFormTemplatePath = std::move(value); }
    void SetAppDatabasePath(std::string value) { mInitialAppDatabasePath = std::move(value); }
    // The values as accepted.
    const std::string& FormTemplatePath() const { return mFormTemplatePath; }
    const std::string& AppDatabasePath() const { return mAppDatabasePath; }
    // Run at OK with each folder as OK would accept it, the form templates' first: false (after telling
    // why) keeps the dialog open, the focus in the folder's box.
    using FolderCheck = std::function<bool(const std::string&)>;
    void SetFormTemplateCheck(FolderCheck check) { mFormTemplateCheck = std::move(check); }
    void SetAppDatabaseCheck(FolderCheck check) { mAppDatabaseCheck = std::move(check); }
    const std::string& Focus() const { return mFocus; }
    bool IsClosed() const { return mClosed; }
    // True after OK, False after Cancel or the close box.
    bool OK() const { return mOK; }

    // Loads the dialog and shows it modally.
    void Show();
    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();

    std::string DialogName() const override { return "frmToolOptions"; }
    void ShowWidget() override;

  private:
    std::string mInitialFormTemplatePath;
    std::string mInitialAppDatabasePath;
    std::string mFormTemplatePath;
    std::string mAppDatabasePath;
    FolderCheck mFormTemplateCheck;
    FolderCheck mAppDatabaseCheck;
    std::string mFocus;
    bool mOK = false;
    bool mClosed = false;
};

}  // namespace builder
