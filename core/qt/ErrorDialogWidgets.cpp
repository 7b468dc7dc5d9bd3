// The Qt forms over the error dialogs' logic.

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/frmErrorDetails.h"
#include "core/frmErrorDisplayUtil.h"
#include "platform/ui/DialogButtons.h"

namespace core {

void frmErrorDisplayUtil::ShowWidget() {
    QDialog form;
    form.setWindowTitle(kCaption);
    auto* layout = new QGridLayout(&form);
    auto* message = new QLabel(QString::fromStdString(mMessage));
    message->setWordWrap(true);
    QDialogButtonBox* buttons = ui::DialogButtonRow(form, QDialogButtonBox::Ok);
    QPushButton* details = buttons->addButton("Details", QDialogButtonBox::ActionRole);
    layout->addWidget(message, 0, 0);
    layout->addWidget(buttons, 1, 0);
    QObject::connect(details, &QPushButton::clicked, [this] { cmdDetails_Click(); });
    form.exec();
}

void frmErrorDetails::ShowWidget() {
    QDialog form;
    form.setWindowTitle(kCaption);
    auto* layout = new QGridLayout(&form);
    auto* number = new QLineEdit(QString::fromStdString(mNumber));
    auto* source = new QLineEdit(QString::fromStdString(mSource));
    layout->addWidget(new QLabel("Number"), 0, 0);
    layout->addWidget(number, 0, 1);
    layout->addWidget(new QLabel("Source"), 1, 0);
    layout->addWidget(source, 1, 1);
    layout->addWidget(ui::DialogButtonRow(form, QDialogButtonBox::Ok), 2, 0, 1, 2);
    form.exec();
}

}  // namespace core
