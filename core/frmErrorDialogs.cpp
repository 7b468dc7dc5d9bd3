#include <string>

#include "core/frmErrorDetails.h"
#include "core/frmErrorDisplayUtil.h"

namespace core {

void frmErrorDetails::ErrReference(int32_t number, const std::string& source) {
    mNumber = std::to_string(number);
    mSource = source;
}

frmErrorDisplayUtil::frmErrorDisplayUtil(const vb::Error& pending)
    : mMessage(pending.Description()), mNumber(pending.Number()), mSource(pending.Source()) {}

void frmErrorDisplayUtil::cmdDetails_Click() {
    frmErrorDetails details;
    details.ErrReference(mNumber, mSource);
    ui::CurrentInteraction().ShowModal(details);
}

void ReportUnexpectedError(vb::Error& error, const std::string& procedure) {
    error.SetDescription("VB Ostrel Internal Error - " + error.Description());
    error.SetSource(procedure + error.Source());
    frmErrorDisplayUtil dialog(error);
    ui::CurrentInteraction().ShowModal(dialog);
}

}  // namespace core
