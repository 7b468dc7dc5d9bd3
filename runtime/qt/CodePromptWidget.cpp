// The code prompt as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
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

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdOK->setEnabled(cmdOKEnabled());
    layout->addWidget(buttons);

    // A selection made by mouse or keyboard, not the current row that focus alone may set.
    QObject::connect(lstCode, &QListWidget::itemSelectionChanged, [this, lstCode, cmdOK] {
        const QList<QListWidgetItem*> selected = lstCode->selectedItems();
        if (selected.isEmpty())
            return;
        lstCode_Click(lstCode->row(selected.first()));
        cmdOK->setEnabled(cmdOKEnabled());
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, [this, &dialog] {
        cmdOK_Click();
        if (IsUnloaded())
            dialog.accept();
    });
    dialog.exec();
}

}  // namespace runtime
