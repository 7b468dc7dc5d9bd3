#pragma once
// The "Add-In Manager..." dialog: every add-in of the list (and any connected from the command line), with
// "Loaded" and "Load on Startup" check boxes. OK connects what was ticked as loaded (connect mode 0),
// disconnects what was cleared, and writes the start-up choices into the add-in list.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "host/AddInHost.h"
#include "platform/ui/Interaction.h"

namespace host {

class AddInManager : public ui::ModalDialog {
  public:
    struct Row {
        std::string progId;
        bool loaded = false;
        bool loadOnStartup = false;
        bool operator==(const Row&) const = default;
    };

    AddInManager(AddInHost& addIns, std::filesystem::path listFile);

    const std::vector<Row>& Rows() const { return mRows; }
    // A row out of range is ignored.
    void SetLoaded(size_t row, bool loaded);
    void SetLoadOnStartup(size_t row, bool loadOnStartup);
    // Carries out the changes; a failure is told and the other rows still go through.
    void cmdOK_Click();

    std::string DialogName() const override { return "Add-In Manager"; }
    void ShowWidget() override;

  private:
    AddInHost& mAddIns;
    std::filesystem::path mListFile;
    std::vector<Row> mShown;  // as the dialog opened
    std::vector<Row> mRows;
};

}  // namespace host
