// The generation warnings as a Qt dialog.

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
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
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cmdOK = new QPushButton("OK");
    auto* cmdCancel = new QPushButton("Cancel");
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    QObject::connect(cmdOK, &QPushButton::clicked, [this, &dialog] {
        cmdOK_Click();
        dialog.accept();
    });
    QObject::connect(cmdCancel, &QPushButton::clicked, [this, &dialog] {
        cmdCancel_Click();
        dialog.reject();
    });
    dialog.exec();
}

}  // namespace core
