// The Qt forms over the error dialogs' logic.

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/frmErrorDetails.h"
#include "core/frmErrorDisplayUtil.h"

namespace core {

void frmErrorDisplayUtil::ShowWidget() {
    QDialog form;
    form.setWindowTitle(kCaption);
    auto* layout = new QGridLayout(&form);
    auto* message = new QLabel(QString::fromStdString(mMessage));
    message->setWordWrap(true);
    auto* details = new QPushButton("Details");
    auto* ok = new QPushButton("OK");
    ok->setDefault(true);
    layout->addWidget(message, 0, 0, 1, 2);
    layout->addWidget(details, 1, 0);
    layout->addWidget(ok, 1, 1);
    QObject::connect(details, &QPushButton::clicked, [this] { cmdDetails_Click(); });
    QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);
    form.exec();
}

void frmErrorDetails::ShowWidget() {
    QDialog form;
    form.setWindowTitle(kCaption);
    auto* layout = new QGridLayout(&form);
    auto* number = new QLineEdit(QString::fromStdString(mNumber));
    auto* source = new QLineEdit(QString::fromStdString(mSource));
    auto* ok = new QPushButton("OK");
    ok->setDefault(true);
    layout->addWidget(new QLabel("Number"), 0, 0);
    layout->addWidget(number, 0, 1);
    layout->addWidget(new QLabel("Source"), 1, 0);
    layout->addWidget(source, 1, 1);
    layout->addWidget(ok, 2, 1);
    QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);
    form.exec();
}

}  // namespace core
