#pragma once
// The pattern library's error dialog: shows an error's description under the caption "Error!" until
// OK closes it.

#include <string>

#include "platform/ui/Interaction.h"
#include "platform/vb/Error.h"

namespace patternkit {

class frmErrorDisplayUtil : public ui::ModalDialog {
  public:
    // Takes the description as the caller left it.
    explicit frmErrorDisplayUtil(const vb::Error& error) : mMessage(error.Description()) {}

    void Show() { ui::CurrentInteraction().ShowModal(*this); }

    // lblMessage's text.
    const std::string& Message() const { return mMessage; }

    std::string DialogName() const override { return "frmErrorDisplayUtil"; }
    void ShowWidget() override;

  private:
    std::string mMessage;
};

}  // namespace patternkit
