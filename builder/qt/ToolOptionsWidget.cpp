// The tool options dialog as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "builder/frmToolOptions.h"
#include "platform/ui/DialogButtons.h"

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

    layout->addWidget(
        ui::DialogButtonRow(dialog, QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                            {[this] { cmdOK_Click(); }, [this] { cmdCancel_Click(); }, nullptr}));
    dialog.resize(520, dialog.sizeHint().height());
    dialog.exec();
}

}  // namespace builder
