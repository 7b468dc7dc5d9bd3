// The data-source logon dialog and its attribute dialog as Qt dialogs.

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/ui/DialogButtons.h"
#include "schemaimport/frmODBCLogon.h"

namespace schemaimport {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QComboBox* NewCombo(const frmODBCLogon::ComboBox& box) {
    auto* combo = new QComboBox;
    combo->setEditable(true);
    for (const std::string& item : box.List)
        combo->addItem(Q(item));
    return combo;
}

void Mirror(QComboBox* combo, const frmODBCLogon::ComboBox& box) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(box.ListIndex);
    combo->setEditText(Q(box.Text));
    combo->setEnabled(box.Enabled);
}

void Mirror(QLineEdit* edit, const frmODBCLogon::TextBox& box) {
    const QSignalBlocker quiet(edit);
    edit->setText(Q(box.Text));
    edit->setEnabled(box.Enabled);
}

}  // namespace

void frmODBCLogon::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle(Q(Caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* frame = new QGroupBox(Q(fraConnection).replace("&", ""));
    auto* grid = new QGridLayout(frame);
    layout->addWidget(frame);

    auto* dsn = NewCombo(cboDSNList);
    auto* uid = new QLineEdit;
    auto* pwd = new QLineEdit;
    pwd->setEchoMode(QLineEdit::Password);
    auto* database = new QLineEdit;
    auto* drivers = NewCombo(cboDrivers);
    auto* server = new QLineEdit;
    QWidget* fields[] = {dsn, uid, pwd, database, drivers, server};
    QLabel* labels[6];
    for (int i = 0; i < 6; ++i) {
        labels[i] = new QLabel(Q(lblLabels[static_cast<std::size_t>(i)].Caption));
        labels[i]->setBuddy(fields[i]);
        grid->addWidget(labels[i], i, 0);
        grid->addWidget(fields[i], i, 1);
    }
    grid->setColumnStretch(1, 1);

    const auto refresh = [=, this] {
        Mirror(dsn, cboDSNList);
        Mirror(drivers, cboDrivers);
        Mirror(uid, txtUID);
        Mirror(pwd, txtPWD);
        Mirror(database, txtDatabase);
        Mirror(server, txtServer);
        for (std::size_t i = 0; i < lblLabels.size(); ++i)
            labels[i]->setEnabled(lblLabels[i].Enabled);
    };
    refresh();

    QObject::connect(dsn, &QComboBox::editTextChanged, [=, this](const QString& text) {
        SetDataSourceText(text.toStdString());
        refresh();
    });
    QObject::connect(dsn, &QComboBox::activated, [=, this](int index) {
        SelectDataSource(index);
        refresh();
    });
    QObject::connect(drivers, &QComboBox::editTextChanged,
                     [this](const QString& text) { SetDriverText(text.toStdString()); });
    QObject::connect(drivers, &QComboBox::activated, [this](int index) { SelectDriver(index); });
    QObject::connect(uid, &QLineEdit::textEdited, [this](const QString& text) {
        txtUID.Text = text.toStdString();
        txtUID_Change();
    });
    QObject::connect(pwd, &QLineEdit::textEdited, [this](const QString& text) {
        txtPWD.Text = text.toStdString();
        txtPWD_Change();
    });
    QObject::connect(database, &QLineEdit::textEdited,
                     [this](const QString& text) { txtDatabase.Text = text.toStdString(); });
    QObject::connect(server, &QLineEdit::textEdited,
                     [this](const QString& text) { txtServer.Text = text.toStdString(); });

    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton(Q(cmdOK), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(Q(cmdCancel), QDialogButtonBox::RejectRole);
    ui::EscapeClicks(dialog, *cancel);
    auto* reg = buttons->addButton(Q(cmdRegister), QDialogButtonBox::ActionRole);
    auto* help = buttons->addButton(QDialogButtonBox::Help);
    layout->addWidget(buttons);
    QObject::connect(ok, &QPushButton::clicked, [=, this, &dialog] {
        cmdOK_Click();
        if (IsUnloaded()) {
            dialog.accept();
            return;
        }
        const std::pair<const char*, QWidget*> focusable[] = {
            {"cboDSNList", dsn}, {"txtUID", uid}, {"txtPWD", pwd}, {"txtDatabase", database}};
        for (const auto& [name, widget] : focusable) {
            if (Focused == name)
                widget->setFocus();
        }
    });
    QObject::connect(cancel, &QPushButton::clicked, [this, &dialog] {
        cmdCancel_Click();
        dialog.reject();
    });
    QObject::connect(reg, &QPushButton::clicked, [=, this] {
        cmdRegister_Click();
        refresh();
    });
    QObject::connect(help, &QPushButton::clicked, [this] { cmdHelp_Click(); });
    dialog.resize(420, dialog.sizeHint().height());
    dialog.exec();
    if (!IsUnloaded())
        Form_Unload();
}

void frmDataSourceAttributes::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle(Q("Register " + DataSource()));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("Connection attributes, one key=value a line:"));
    auto* text = new QPlainTextEdit(Q(Text));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(380, 240);
    if (dialog.exec() == QDialog::Accepted) {
        Text = text->toPlainText().toStdString();
        cmdOK_Click();
    }
}

}  // namespace schemaimport
