// The engine's edit-point keeping: the developer's code between edit points is saved from the old
// component into a scratch component (and its file, in the run's own scratch folder) before the old
// component goes, and put back into the regenerated component when the pattern has written it. Blocks that
// find no place stay in the scratch component, which stays in the project.

#include <system_error>

#include "core/AddInFolders.h"
#include "core/EditPoints.h"
#include "core/ObjectAccess.h"
#include "core/qelConstructor.h"
#include "platform/ide/FileSystemError.h"
#include "platform/ide/IdeErrors.h"
#include "platform/ide/VBProject.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace core {
namespace {

// Runs `body`; any failure but an unusable temporary folder is raised again as error `number`.
template <typename Body>
void FailingAs(int32_t number, Body&& body) {
    try {
        body();
    } catch (const UnusableTempFolder&) {
        throw;
    } catch (const std::exception&) {
        vb::Raise(number);
    }
}

}  // namespace

void qelConstructor::AddScratchComponent(const vbide::VBComponent& existing) {
    if (!mScratchFolder)
        mScratchFolder.emplace();
    auto& components = mCurProject->VBComponents();
    mScratchComponent = components.Add(existing.Type());
    // The name grows by one "1" while the project already has it.
    std::string name = vb::Trim(existing.Name()) + "_tmp";
    for (;; name += "1") {
        try {
            mScratchComponent->SetName(name);
            break;
        } catch (const vb::Error& error) {
            if (error.Number() != vb::kDuplicateKey) {
                components.Remove(mScratchComponent);
                mScratchComponent.reset();
                throw;
            }
        }
    }
    mScratchFile = mScratchFolder->Path() / (name + ".txt");
}

void qelConstructor::SaveEditPoints(const std::shared_ptr<vbide::VBComponent>& existing) {
    mScratchComponent.reset();
    // The developer's code is read from the component itself: nothing is written beside the project
    // before the run has passed every check.
    const auto blocks = ExtractEditPoints(existing->CodeModule()->AllLines());
    if (blocks.empty())
        return;  // nothing worth keeping
    AddScratchComponent(*existing);
    try {
        FailingAs(vb::kFileAlreadyOpen, [&] {
            mScratchComponent->CodeModule()->SetAllLines(JoinEditPoints(blocks));
            try {
                mScratchComponent->SaveAs(mScratchFile);
            } catch (const vbide::FileSystemError& failure) {
                // The run's folder is the run's own: the temporary folder it is in is what to mend.
                throw UnusableTempFolder(mScratchFolder->Path().parent_path(),
                                         vbide::SystemReason(failure.SystemError()));
            }
        });
    } catch (...) {
        mCurProject->VBComponents().Remove(mScratchComponent);
        mScratchComponent.reset();
        throw;
    }
}

std::vector<KeptCode> qelConstructor::RestoreEditPoints() {
    if (!mScratchComponent)
        return {};  // nothing was worth saving
    std::vector<KeptCode> kept;
    FailingAs(vb::kBadFileLength, [&] {
        auto regenerated = Required(mCurComponent).CodeModule();
        auto scratch = Required(mScratchComponent).CodeModule();
        RestoredCode restored =
            core::RestoreEditPoints(regenerated->AllLines(), ExtractEditPoints(scratch->AllLines()));
        regenerated->SetAllLines(std::move(restored.lines));
        scratch->SetAllLines(JoinEditPoints(restored.unrestored));
        DropScratchIfEmpty();
        kept = std::move(restored.kept);
    });
    return kept;
}

void qelConstructor::DropScratchIfEmpty() {
    if (!mScratchComponent || mScratchComponent->CodeModule()->CountOfLines() > 0)
        return;
    std::error_code ignored;
    std::filesystem::remove(mScratchComponent->FileNames(1), ignored);
    if (auto project = mScratchComponent->Project())
        project->VBComponents().Remove(mScratchComponent);
    mScratchComponent.reset();
}

}  // namespace core
