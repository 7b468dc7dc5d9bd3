#pragma once
// Shows the warnings collected about business objects left out of a build and asks whether to build anyway.

#include <string>
#include <vector>

#include "platform/ui/Interaction.h"

namespace core {

class frmGenWarnings : public ui::ModalDialog {
  public:
    static constexpr const char* kMessage =
        "The following warnings were issued during generation.  Click OK to continue or Cancel to return to "
        "the Code Generation screen.";

    void SetGenerationWarnings(std::vector<std::string> warnings) { mWarnings = std::move(warnings); }
    // True only once OK was pressed.
    bool OK() const { return mOK; }

    // Loads the list and shows the dialog modally.
    void Show();

    const std::vector<std::string>& Items() const { return mItems; }
    void cmdOK_Click() { mOK = true; }
    void cmdCancel_Click() { mOK = false; }

    std::string DialogName() const override { return "frmGenWarnings"; }
    void ShowWidget() override;

  private:
    std::vector<std::string> mWarnings;
    std::vector<std::string> mItems;
    bool mOK = false;
};

}  // namespace core
