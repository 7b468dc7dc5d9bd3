#include "core/frmGenWarnings.h"

namespace core {

void frmGenWarnings::Show() {
    mOK = false;
    mItems = mWarnings;
    ui::CurrentInteraction().ShowModal(*this);
    mWarnings.clear();
}

}  // namespace core
