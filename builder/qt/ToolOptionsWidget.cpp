// The tool options dialog as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "builder/frmToolOptions.h"

namespace builder {

void frmToolOptions::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle("Tool Options");
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    auto* templates = new QLineEdit(QString::fromStdString(txtFormTemplatePath));
    auto* database = new QLineEdit(QString::fromStdString(txtAppDatabasePath));
    form->addRow("Form Template Path:", templates);
    form->addRow("Application Database Path:", database);
    QObject::connect(templates, &QLineEdit::textEdited,
                     [this](const QString& text) { txtFormTemplatePath = text.toStdString(); });
    QObject::connect(database, &QLineEdit::textEdited,
                     [this](const QString& text) { txtAppDatabasePath = text.toStdString(); });

    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton(QDialogButtonBox::Ok);
    auto* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(ok, &QPushButton::clicked, [this, &dialog] {
        cmdOK_Click();
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, [this, &dialog] {
        cmdCancel_Click();
        dialog.reject();
    });
    dialog.resize(520, dialog.sizeHint().height());
    dialog.exec();
}

}  // namespace builder
