// The code prompt as a Qt dialog.

#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "runtime/frmCodePrompt.h"

namespace runtime {

void frmCodePrompt::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(&dialog);

    auto* lstCode = new QListWidget;
    lstCode->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& entry : this->lstCode())
        lstCode->addItem(QString::fromStdString(entry));
    layout->addWidget(lstCode);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cmdOK = new QPushButton("OK");
    cmdOK->setEnabled(cmdOKEnabled());
    cmdOK->setDefault(true);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);

    QObject::connect(lstCode, &QListWidget::currentRowChanged, [this, cmdOK](int row) {
        if (row < 0)
            return;
        lstCode_Click(row);
        cmdOK->setEnabled(cmdOKEnabled());
    });
    QObject::connect(cmdOK, &QPushButton::clicked, [this, &dialog] {
        cmdOK_Click();
        if (IsUnloaded())
            dialog.accept();
    });
    dialog.exec();
}

}  // namespace runtime
