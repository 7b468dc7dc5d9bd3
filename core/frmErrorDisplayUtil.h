#pragma once
// The dialog in which the add-in reports an unexpected error: its description, and its number and source
// behind Details.

#include <cstdint>
#include <string>

#include "platform/ui/Interaction.h"
#include "platform/vb/Error.h"

namespace core {

class frmErrorDisplayUtil : public ui::ModalDialog {
  public:
    static constexpr const char* kCaption = "Error!";

    // Loading reads the pending error.
    explicit frmErrorDisplayUtil(const vb::Error& pending);

    const std::string& lblMessage() const { return mMessage; }
    // Shows a new details dialog over this one, each time.
    void cmdDetails_Click();

    std::string DialogName() const override { return "frmErrorDisplayUtil"; }
    void ShowWidget() override;

  private:
    std::string mMessage;
    int32_t mNumber;
    std::string mSource;
};

// What every error handler of the add-in does with an unexpected error: the description gains
// "VB Ostrel Internal Error - " in front, the source the failing procedure's name, and the error dialog
// shows it modally. The caller then ends its procedure.
void ReportUnexpectedError(vb::Error& error, const std::string& procedure);

}  // namespace core
