// The pattern library's error dialog as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "patternkit/frmErrorDisplayUtil.h"

namespace patternkit {

void frmErrorDisplayUtil::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle("Error!");
    auto* layout = new QVBoxLayout(&dialog);
    auto* lblMessage = new QLabel(QString::fromStdString(Message()));
    lblMessage->setWordWrap(true);
    layout->addWidget(lblMessage);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    dialog.exec();
}

}  // namespace patternkit
