// The generation warnings as a Qt dialog.

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/frmGenWarnings.h"
#include "platform/ui/DialogButtons.h"

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
    layout->addWidget(ui::DialogButtonRow(dialog, QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                          {[this] { cmdOK_Click(); }, [this] { cmdCancel_Click(); }, {}}));
    dialog.exec();
}

}  // namespace core
