#pragma once
// The IDE's project group as a document: the group file it was opened from or saved to, whether it has
// changed since, and the File menu's commands with their questions (the file name, saving changes before
// they would be lost).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ide/VBE.h"

namespace host {

class ProjectGroupDocument {
  public:
    explicit ProjectGroupDocument(std::shared_ptr<vbide::VBE> vbe);

    const std::shared_ptr<vbide::VBE>& VBE() const { return mVBE; }
    const std::optional<std::filesystem::path>& GroupFile() const { return mGroupFile; }
    // Changed since saved, or saved with some of the IDE's text only beside files changed outside it.
    bool IsDirty() const { return mVBE->Revision() != mSavedRevision || mVBE->HoldsTextKeptBeside(); }

    // Runs a change that is no edit of the group (an add-in's button, a window opened) without making a
    // saved group look changed.
    template <typename Change>
    void Untracked(Change&& change) {
        const bool clean = !IsDirty();
        change();
        if (clean)
            mSavedRevision = mVBE->Revision();
    }

    // Each command returns false when the person cancelled it or it failed (the failure told in a message
    // box); the group is unchanged then.
    // A new group of one project of the type (standard executable or ActiveX library), after offering to
    // save the changes.
    bool NewProject(vbide::vbext_ProjectType type);
    // Asks for the group file, then opens it.
    bool OpenGroup();
    bool OpenGroup(const std::filesystem::path& file);
    // Saves to the group file, or asks for one when there is none yet.
    bool Save();
    bool SaveAs();
    // Whether the IDE may close: with changes, asks to save them (Yes saves, No drops, Cancel stays).
    bool QueryClose() { return OfferToSave(); }

  private:
    bool OfferToSave();
    bool SaveTo(const std::filesystem::path& file);
    // Opens or saves the group through `transfer`; on success `file` becomes the group file. What the
    // recovery of a stopped save kept beside its files is told in one box.
    bool TransferGroup(std::vector<std::string> (*transfer)(vbide::VBE&, const std::filesystem::path&),
                       const std::filesystem::path& file);
    void MarkSaved() { mSavedRevision = mVBE->Revision(); }

    std::shared_ptr<vbide::VBE> mVBE;
    std::optional<std::filesystem::path> mGroupFile;
    uint64_t mSavedRevision;
};

inline constexpr const char* kSaveChangesPrompt = "Save changes to the project group?";

}  // namespace host
