// The business object dialog as a Qt dialog.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "builder/frmBusObjBuilder.h"
#include "builder/qt/ControlWidgets.h"

namespace builder {

void frmBusObjBuilder::ShowWidget() {
    QDialog dialog;
    dialog.setObjectName("frmBusObjBuilder");
    dialog.setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = qt::Named<QLabel>("lblName");
    label->setText("Business Object Name:");
    auto* name = qt::Named<QLineEdit>("txtName");
    label->setBuddy(name);
    layout->addWidget(label);
    layout->addWidget(name);
    QPushButton* ok = nullptr;

    const auto refresh = [this, &dialog, name, &ok] {
        qt::Mirror(name, txtName);
        ok->setEnabled(cmdOKEnabled());
        ok->setDefault(cmdOKDefault());
        if (!IsVisible())
            dialog.done(QDialog::Accepted);
    };
    ok = qt::AddOKCancelHelp(dialog, *layout, *this, refresh, [this] { return IsVisible(); });
    QObject::connect(name, &QLineEdit::textEdited, [this, refresh](const QString& text) {
        txtName_Change(text.toStdString());
        refresh();
    });
    refresh();
    dialog.resize(340, dialog.sizeHint().height());
    dialog.exec();
}

}  // namespace builder
