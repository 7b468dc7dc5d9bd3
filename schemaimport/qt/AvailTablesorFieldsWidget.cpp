// The renamed table or field chooser as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "platform/ui/DialogButtons.h"
#include "schemaimport/frmAvailTablesorFields.h"

namespace schemaimport {

void frmAvailTablesorFields::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle(QString::fromStdString(Caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QString::fromStdString(lblText));
    label->setObjectName("lblText");
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* list = new QListWidget;
    list->setObjectName("lstTablesorFields");
    for (const std::string& item : lstTablesorFields.List)
        list->addItem(QString::fromStdString(item));
    list->setCurrentRow(lstTablesorFields.ListIndex);
    layout->addWidget(list);
    QObject::connect(list, &QListWidget::currentRowChanged,
                     [this](int row) { lstTablesorFields.ListIndex = row; });

    layout->addWidget(ui::DialogButtonRow(
        dialog, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
        {[this] { cmdOK_Click(); }, [this] { cmdCancel_Click(); }, [this] { cmdHelp_Click(); }}));
    dialog.setMinimumWidth(420);
    dialog.resize(420, 300);
    dialog.exec();
    if (!OKClicked() && !IsCanceled())
        Form_Unload();
}

}  // namespace schemaimport
