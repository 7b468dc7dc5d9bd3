// The pattern library's error dialog as a Qt dialog.

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cmdOK = new QPushButton("OK");
    cmdOK->setDefault(true);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);
    QObject::connect(cmdOK, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.exec();
}

}  // namespace patternkit
