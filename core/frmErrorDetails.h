#pragma once
// The details of a reported error: its number and source.

#include <cstdint>
#include <string>

#include "platform/ui/Interaction.h"

namespace core {

class frmErrorDetails : public ui::ModalDialog {
  public:
    static constexpr const char* kCaption = "Error Details";

    void ErrReference(int32_t number, const std::string& source);

    const std::string& txtNumber() const { return mNumber; }
    const std::string& txtSource() const { return mSource; }

    std::string DialogName() const override { return "frmErrorDetails"; }
    void ShowWidget() override;

  private:
    std::string mNumber;
    std::string mSource;
};

}  // namespace core
