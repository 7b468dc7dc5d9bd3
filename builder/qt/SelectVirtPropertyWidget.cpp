// The virtual property picker as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "builder/frmSelectVirtProperty.h"
#include "builder/qt/ControlWidgets.h"
#include "platform/ui/DialogButtons.h"

namespace builder {

void frmSelectVirtProperty::ShowWidget() {
    QDialog dialog;
    dialog.setObjectName("frmSelectVirtProperty");
    dialog.setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* instructions = qt::Named<QLabel>("lblInstructions");
    instructions->setText(qt::Text(lblInstructions()));
    instructions->setWordWrap(true);
    layout->addWidget(instructions);
    auto* candidates = qt::Named<QTreeWidget>("lstCandidates");
    candidates->setColumnCount(2);
    candidates->setHeaderLabels({"Business Object", "Property"});
    candidates->setRootIsDecorated(false);
    candidates->setSelectionMode(QAbstractItemView::ExtendedSelection);
    candidates->header()->setSectionResizeMode(QHeaderView::Stretch);
    for (const Row& row : lstCandidates())
        candidates->addTopLevelItem(new QTreeWidgetItem({qt::Text(row.text), qt::Text(row.propertyName)}));
    layout->addWidget(candidates);
    QObject::connect(candidates, &QTreeWidget::itemSelectionChanged, [this, candidates] {
        for (int i = 0; i < candidates->topLevelItemCount(); ++i)
            SelectRow(static_cast<size_t>(i), candidates->topLevelItem(i)->isSelected());
    });

    auto* buttons = new QDialogButtonBox;
    auto* next = buttons->addButton("&Next", QDialogButtonBox::AcceptRole);
    next->setObjectName("cmdNext");
    auto* cancel = buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    cancel->setObjectName("cmdCancel");
    ui::EscapeClicks(dialog, *cancel);
    // Help has nothing to show for the picker.
    buttons->addButton("&Help", QDialogButtonBox::HelpRole)->setObjectName("cmdHelp");
    layout->addWidget(buttons);
    const auto closeWhenHidden = [this, &dialog] {
        if (!IsVisible())
            dialog.done(QDialog::Accepted);
    };
    QObject::connect(buttons, &QDialogButtonBox::accepted, [this, closeWhenHidden] {
        cmdNext_Click();
        closeWhenHidden();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, [this, closeWhenHidden] {
        cmdCancel_Click();
        closeWhenHidden();
    });
    QObject::connect(&dialog, &QDialog::rejected, [this] {
        if (IsVisible())
            cmdCancel_Click();
    });
    dialog.resize(440, 320);
    dialog.exec();
}

}  // namespace builder
