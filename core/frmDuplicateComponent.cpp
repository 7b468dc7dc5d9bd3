#include "core/frmDuplicateComponent.h"

#include "core/HelpFile.h"

namespace core {

void frmDuplicateComponent::Form_Load() {
    mRestoreOne = mRestoreAll = mDiscardAll = false;
    mRestoreSelected = true;
    mApplyToAll = true;
    mApplyToAllCaption = "Save code in all regenerated components.  Don't prompt again.";
    mMessage = "The component: " + mComponentName + " already exists.\rSelect one of the following options.";
    mRestoreCaption = "Save code inserted between edit points in " + mComponentName;
    mDiscardCaption = "Discard code inserted between edit points in " + mComponentName;
}

void frmDuplicateComponent::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
}

void frmDuplicateComponent::optRestore_Click() {
    mRestoreSelected = true;
    mApplyToAllCaption = "Don't prompt again. Save code in all regenerated components.";
}

void frmDuplicateComponent::optDiscard_Click() {
    mRestoreSelected = false;
    mApplyToAllCaption = "Don't prompt again. Discard code in all regenerated components.";
}

void frmDuplicateComponent::cmdOK_Click() {
    mRestoreOne = !mApplyToAll && mRestoreSelected;
    mRestoreAll = mApplyToAll && mRestoreSelected;
    mDiscardAll = mApplyToAll && !mRestoreSelected;
}

void frmDuplicateComponent::cmdHelp_Click() const {
    ShowHelpTopic(kHelpContext);
}

void frmDuplicateComponent::CloseByFrame() {
    mRestoreOne = true;
    mRestoreAll = mDiscardAll = false;
}

}  // namespace core
