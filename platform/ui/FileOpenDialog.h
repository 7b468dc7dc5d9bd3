#pragma once
// The common dialog's file-open box: a title, filters in VB's "description|pattern|..." form and the
// file chosen. Shown through the interaction in force, so a test answers it by setting FileName and
// clearing IsCanceled.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/Interaction.h"

namespace ui {

class FileOpenDialog : public ModalDialog {
  public:
    std::string DialogTitle;
    std::string Filter;
    // 1-based; one past the filters shows the first.
    int32_t FilterIndex = 1;
    std::string FileName;
    // True until a file is chosen.
    bool IsCanceled = true;

    // The filters as Qt names them: "Access Files (*.mdb)".
    std::vector<std::string> NameFilters() const;

    std::string DialogName() const override { return "FileOpenDialog"; }
    void ShowWidget() override;
};

}  // namespace ui
