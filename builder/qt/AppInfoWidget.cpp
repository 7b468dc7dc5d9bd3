// The application information dialog as a Qt dialog.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "builder/frmAppInfo.h"
#include "builder/qt/ControlWidgets.h"
#include "platform/ui/DialogButtons.h"

namespace builder {
namespace {

QComboBox* NewCombo(const char* name, const frmAppInfo::ComboBox& box) {
    auto* combo = qt::Named<QComboBox>(name);
    for (const std::string& item : box.List)
        combo->addItem(qt::Text(item));
    return combo;
}

}  // namespace

void frmAppInfo::ShowWidget() {
    QDialog dialog;
    dialog.setObjectName("frmAppInfo");
    dialog.setWindowTitle(qt::Text(Caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    auto* name = qt::Named<QLineEdit>("txtName");
    auto* description = qt::Named<QLineEdit>("txtDescription");
    auto* architecture = NewCombo("cmbArchitecture", cmbArchitecture);
    auto* format = NewCombo("cmbDBFormat", cmbDBFormat);
    auto* database = qt::Named<QLineEdit>("txtDSNorDatabase");
    auto* browse = qt::Named<QPushButton>("cmdBrowse");
    browse->setText("Browse...");
    auto* mts = qt::Named<QCheckBox>("chkMTS");
    mts->setText("Implement MTS");
    auto* databaseLabel = new QLabel;
    auto* databaseRow = new QHBoxLayout;
    databaseRow->addWidget(database, 1);
    databaseRow->addWidget(browse);
    form->addRow("Name:", name);
    form->addRow("Description:", description);
    form->addRow("Component Packaging:", architecture);
    form->addRow("Database Connection:", format);
    form->addRow(databaseLabel, databaseRow);
    form->addRow(QString(), mts);

    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton(QDialogButtonBox::Ok);
    auto* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    auto* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
    ok->setObjectName("cmdOK");
    cancel->setObjectName("cmdCancel");
    ui::EscapeClicks(dialog, *cancel);
    help->setObjectName("cmdHelp");
    layout->addWidget(buttons);

    const auto refresh = [=, this] {
        const QSignalBlocker quietName(name), quietDescription(description), quietDatabase(database),
            quietArchitecture(architecture), quietFormat(format), quietMts(mts);
        name->setText(qt::Text(txtName.Text));
        description->setText(qt::Text(txtDescription.Text));
        database->setText(qt::Text(txtDSNorDatabase.Text));
        architecture->setCurrentIndex(cmbArchitecture.ListIndex);
        format->setCurrentIndex(cmbDBFormat.ListIndex);
        databaseLabel->setText(qt::Text(lblDSNorDatabase));
        mts->setChecked(chkMTS.Value);
        mts->setEnabled(chkMTS.Enabled);
        ok->setEnabled(cmdOKEnabled);
    };
    refresh();

    QObject::connect(name, &QLineEdit::textEdited,
                     [this](const QString& text) { SetNameText(text.toStdString()); });
    QObject::connect(description, &QLineEdit::textEdited,
                     [this](const QString& text) { SetDescriptionText(text.toStdString()); });
    QObject::connect(database, &QLineEdit::textEdited, [=, this](const QString& text) {
        SetDSNorDatabaseText(text.toStdString());
        refresh();
    });
    QObject::connect(architecture, &QComboBox::activated, [=, this](int index) {
        cmbArchitecture_Click(index);
        refresh();
    });
    QObject::connect(format, &QComboBox::activated, [=, this](int index) {
        cmbDBFormat_Click(index);
        refresh();
    });
    QObject::connect(mts, &QCheckBox::clicked, [this](bool ticked) { chkMTS_Click(ticked); });
    QObject::connect(browse, &QPushButton::clicked, [=, this] {
        cmdBrowse_Click();
        refresh();
    });
    QObject::connect(ok, &QPushButton::clicked, [=, this, &dialog] {
        cmdOK_Click();
        if (IsUnloaded()) {
            dialog.accept();
            return;
        }
        if (Focused == "txtName")
            name->setFocus();
        else if (Focused == "txtDSNorDatabase")
            database->setFocus();
    });
    QObject::connect(cancel, &QPushButton::clicked, [this, &dialog] {
        cmdCancel_Click();
        dialog.reject();
    });
    QObject::connect(help, &QPushButton::clicked, [this] { cmdHelp_Click(); });
    dialog.resize(460, dialog.sizeHint().height());
    dialog.exec();
}

}  // namespace builder
