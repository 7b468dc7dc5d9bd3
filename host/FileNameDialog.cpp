#include "host/FileNameDialog.h"

namespace host {

void FileNameDialog::Choose(const std::filesystem::path& file) {
    mChosen = file;
    if (mPurpose == Purpose::SaveGroupAs && !file.empty() && !file.has_extension())
        mChosen->replace_extension(".vbg");
}

std::string FileNameDialog::DialogName() const {
    return mPurpose == Purpose::OpenGroup ? "Open Project Group" : "Save Project Group As";
}

std::optional<std::filesystem::path> AskGroupFile(FileNameDialog::Purpose purpose,
                                                  const std::filesystem::path& suggestion) {
    FileNameDialog dialog(purpose, suggestion);
    ui::CurrentInteraction().ShowModal(dialog);
    if (dialog.Chosen() && dialog.Chosen()->empty())
        return std::nullopt;
    return dialog.Chosen();
}

}  // namespace host
