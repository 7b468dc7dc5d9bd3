// The generation warnings as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/frmGenWarnings.h"

namespace core {

void frmGenWarnings::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle("Generation Warnings");
    auto* layout = new QVBoxLayout(&dialog);
    auto* message = new QLabel(kMessage);
    message->setWordWrap(true);
    layout->addWidget(message);
    auto* list = new QListWidget;
    for (const auto& item : Items())
        list->addItem(QString::fromStdString(item));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, [this, &dialog] {
        cmdOK_Click();
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, [this, &dialog] {
        cmdCancel_Click();
        dialog.reject();
    });
    dialog.exec();
}

}  // namespace core
