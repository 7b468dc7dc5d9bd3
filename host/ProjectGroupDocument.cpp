#include "host/ProjectGroupDocument.h"

#include "host/AddInHost.h"
#include "host/FileNameDialog.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Error.h"

namespace host {
namespace {

void TellError(const vb::Error& error) {
    ui::MsgBox(error.Description(), ui::vbOKOnly | ui::vbCritical, kHostTitle);
}

void TellKept(const std::vector<std::string>& kept) {
    if (kept.empty())
        return;
    std::string text;
    for (const std::string& message : kept)
        text += (text.empty() ? "" : "\n\n") + message;
    ui::MsgBox(text, ui::vbOKOnly | ui::vbExclamation, kHostTitle);
}

}  // namespace

ProjectGroupDocument::ProjectGroupDocument(std::shared_ptr<vbide::VBE> vbe)
    : mVBE(std::move(vbe)), mSavedRevision(mVBE->Revision()) {}

bool ProjectGroupDocument::NewProject(vbide::vbext_ProjectType type) {
    if (!OfferToSave())
        return false;
    mVBE->VBProjects().ReplaceAll({}, nullptr);
    mVBE->VBProjects().Add(type);
    mGroupFile.reset();
    MarkSaved();  // a new project holds nothing to lose yet
    return true;
}

bool ProjectGroupDocument::OpenGroup() {
    if (!OfferToSave())
        return false;
    const auto file = AskGroupFile(FileNameDialog::Purpose::OpenGroup, mGroupFile.value_or(""));
    return file && OpenGroup(*file);
}

bool ProjectGroupDocument::OpenGroup(const std::filesystem::path& file) {
    return TransferGroup(vbide::OpenProjectGroup, file);
}

bool ProjectGroupDocument::Save() {
    return mGroupFile ? SaveTo(*mGroupFile) : SaveAs();
}

bool ProjectGroupDocument::SaveAs() {
    // The dialog opens in the group's folder, or for a new group in the current folder.
    std::error_code noFolder;
    const auto file = AskGroupFile(FileNameDialog::Purpose::SaveGroupAs,
                                   std::filesystem::absolute(mGroupFile.value_or("Group1.vbg"), noFolder));
    return file && SaveTo(*file);
}

bool ProjectGroupDocument::SaveTo(const std::filesystem::path& file) {
    return TransferGroup(vbide::SaveProjectGroup, file);
}

bool ProjectGroupDocument::TransferGroup(std::vector<std::string> (*transfer)(vbide::VBE&,
                                                                              const std::filesystem::path&),
                                         const std::filesystem::path& file) {
    std::vector<std::string> kept;
    try {
        kept = transfer(*mVBE, file);
    } catch (const vb::Error& error) {
        TellError(error);
        return false;
    }
    mGroupFile = file;
    MarkSaved();
    TellKept(kept);
    return true;
}

bool ProjectGroupDocument::OfferToSave() {
    if (!IsDirty())
        return true;
    switch (ui::MsgBox(kSaveChangesPrompt, ui::vbYesNoCancel | ui::vbQuestion, kHostTitle)) {
        case ui::vbYes:
            return Save();
        case ui::vbNo:
            return true;
        default:
            return false;
    }
}

}  // namespace host
