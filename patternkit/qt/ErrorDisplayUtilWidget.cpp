// The pattern library's error dialog as a Qt dialog.

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

#include "patternkit/frmErrorDisplayUtil.h"
#include "platform/ui/DialogButtons.h"

namespace patternkit {

void frmErrorDisplayUtil::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle("Error!");
    auto* layout = new QVBoxLayout(&dialog);
    auto* lblMessage = new QLabel(QString::fromStdString(Message()));
    lblMessage->setWordWrap(true);
    layout->addWidget(lblMessage);
    layout->addWidget(ui::DialogButtonRow(dialog, QDialogButtonBox::Ok));
    dialog.exec();
}

}  // namespace patternkit
