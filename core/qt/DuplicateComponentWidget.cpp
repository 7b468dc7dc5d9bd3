// The duplicate-component question as a Qt dialog.

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/frmDuplicateComponent.h"
#include "platform/ui/DialogButtons.h"
#include "platform/ui/WindowFit.h"

namespace core {

void frmDuplicateComponent::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle("Duplicate Component Found!");
    auto* layout = new QVBoxLayout(&dialog);
    QString message = QString::fromStdString(Message());
    message.replace('\r', '\n');
    layout->addWidget(new QLabel(message));

    auto* options = new QGroupBox("Regeneration Option");
    auto* optionsLayout = new QVBoxLayout(options);
    auto* optRestore = new QRadioButton(QString::fromStdString(RestoreCaption()));
    auto* optDiscard = new QRadioButton(QString::fromStdString(DiscardCaption()));
    optRestore->setObjectName("optRestore");
    optDiscard->setObjectName("optDiscard");
    optRestore->setChecked(RestoreSelected());
    optDiscard->setChecked(!RestoreSelected());
    optionsLayout->addWidget(optRestore);
    optionsLayout->addWidget(optDiscard);
    layout->addWidget(options);

    auto* prompt = new QGroupBox("Prompt Again?");
    auto* promptLayout = new QVBoxLayout(prompt);
    auto* ckbApplyToAll = new QCheckBox(QString::fromStdString(ApplyToAllCaption()));
    ckbApplyToAll->setChecked(ApplyToAll());
    promptLayout->addWidget(ckbApplyToAll);
    layout->addWidget(prompt);

    layout->addWidget(ui::DialogButtonRow(dialog, QDialogButtonBox::Ok | QDialogButtonBox::Help,
                                          {[this] { cmdOK_Click(); }, {}, [this] { cmdHelp_Click(); }}));

    auto refreshCaption = [this, ckbApplyToAll] {
        ckbApplyToAll->setText(QString::fromStdString(ApplyToAllCaption()));
    };
    QObject::connect(optRestore, &QRadioButton::clicked, [this, refreshCaption] {
        optRestore_Click();
        refreshCaption();
    });
    QObject::connect(optDiscard, &QRadioButton::clicked, [this, refreshCaption] {
        optDiscard_Click();
        refreshCaption();
    });
    QObject::connect(ckbApplyToAll, &QCheckBox::toggled, [this](bool ticked) { SetApplyToAll(ticked); });
    ui::FitToContents(dialog);
    if (dialog.exec() != QDialog::Accepted)
        CloseByFrame();
}

}  // namespace core
