// The method dialog as a Qt dialog.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "builder/frmMethodBuilder.h"
#include "builder/qt/ControlWidgets.h"

namespace builder {

void frmMethodBuilder::ShowWidget() {
    QDialog dialog;
    dialog.setObjectName("frmMethodBuilder");
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    auto* name = qt::Named<QLineEdit>("txtName");
    auto* type = qt::Named<QComboBox>("cmbType");
    auto* returnType = qt::Named<QComboBox>("cmbReturnDataType");
    auto* storedProcedure = qt::Named<QCheckBox>("chkIsStoredProcedure");
    storedProcedure->setText("Stored Procedure");
    auto* spName = qt::Named<QLineEdit>("txtSPName");
    form->addRow("Name:", name);
    form->addRow("Type:", type);
    form->addRow("Return Data Type:", returnType);
    form->addRow(storedProcedure);
    form->addRow("Stored Procedure Name:", spName);
    layout->addLayout(form);
    QPushButton* ok = nullptr;

    const auto refresh = [this, &dialog, name, type, returnType, storedProcedure, spName, &ok] {
        dialog.setWindowTitle(qt::Text(Caption()));
        qt::Mirror(name, txtName);
        qt::Mirror(type, cmbType);
        qt::Mirror(returnType, cmbReturnDataType);
        qt::Mirror(storedProcedure, chkIsStoredProcedure);
        qt::Mirror(spName, txtSPName);
        ok->setEnabled(cmdOKEnabled());
        if (!IsLoaded())
            dialog.done(QDialog::Accepted);
    };
    ok = qt::AddOKCancelHelp(dialog, *layout, *this, refresh, [this] { return IsLoaded(); });
    QObject::connect(name, &QLineEdit::textEdited, [this, refresh](const QString& text) {
        txtName_Change(text.toStdString());
        refresh();
    });
    QObject::connect(spName, &QLineEdit::textEdited,
                     [this](const QString& text) { txtSPName.Text = text.toStdString(); });
    QObject::connect(storedProcedure, &QCheckBox::toggled,
                     [this](bool ticked) { chkIsStoredProcedure.Value = ticked ? 1 : 0; });
    QObject::connect(type, &QComboBox::activated, [this](int index) { cmbType.SetListIndex(index); });
    QObject::connect(returnType, &QComboBox::activated,
                     [this](int index) { cmbReturnDataType.SetListIndex(index); });
    qt::OnFocusOut(type, [this, refresh] {
        cmbType_LostFocus();
        refresh();
    });
    qt::OnFocusOut(returnType, [this, refresh] {
        cmbReturnDataType_LostFocus();
        refresh();
    });
    refresh();
    dialog.resize(420, dialog.sizeHint().height());
    dialog.exec();
}

}  // namespace builder
