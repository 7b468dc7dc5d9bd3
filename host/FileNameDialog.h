#pragma once
// The question for a project group's file name, when opening one or saving one under a new name. The
// person's choice lives here, so a test answers it through the interaction seam.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/ui/Interaction.h"

namespace host {

class FileNameDialog : public ui::ModalDialog {
  public:
    enum class Purpose { OpenGroup, SaveGroupAs };

    FileNameDialog(Purpose purpose, std::filesystem::path suggestion)
        : mPurpose(purpose), mSuggestion(std::move(suggestion)) {}

    Purpose GetPurpose() const { return mPurpose; }
    const std::filesystem::path& Suggestion() const { return mSuggestion; }

    // What a person does: choose a file (saving adds ".vbg" to a name without an extension) or cancel.
    void Choose(const std::filesystem::path& file);
    // The file chosen; none when the dialog was cancelled or closed.
    const std::optional<std::filesystem::path>& Chosen() const { return mChosen; }

    std::string DialogName() const override;
    void ShowWidget() override;

  private:
    Purpose mPurpose;
    std::filesystem::path mSuggestion;
    std::optional<std::filesystem::path> mChosen;
};

// Asks through the interaction in force; none when the person cancels.
std::optional<std::filesystem::path> AskGroupFile(FileNameDialog::Purpose purpose,
                                                  const std::filesystem::path& suggestion);

}  // namespace host
