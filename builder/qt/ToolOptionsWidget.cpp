// The tool options dialog as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "builder/frmToolOptions.h"
#include "builder/qt/ControlWidgets.h"
#include "platform/ui/DialogButtons.h"

namespace builder {
namespace {

// A folder path as long as this many characters fits its box whole.
constexpr int kLongPathCharacters = 64;

// A path box as wide as a long path; a longer path shows its end, the folder's own name, whenever the
// box is left.
QLineEdit* PathBox(const char* name, std::string& path) {
    auto* box = qt::Named<QLineEdit>(name);
    box->setText(qt::Text(path));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(kLongPathCharacters, 'x')));
    QObject::connect(box, &QLineEdit::textEdited,
                     [&path](const QString& text) { path = text.toStdString(); });
    qt::OnFocusOut(box, [box] { box->end(false); });
    return box;
}

}  // namespace

void frmToolOptions::ShowWidget() {
    QDialog dialog;
    dialog.setObjectName("frmToolOptions");
    dialog.setWindowTitle("Tool Options");
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    form->addRow("Form Template Path:", PathBox("txtFormTemplatePath", txtFormTemplatePath));
    form->addRow("Application Database Path:", PathBox("txtAppDatabasePath", txtAppDatabasePath));
    auto* buttons = ui::DialogButtonRow(dialog, QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                        {[this, &dialog] {
                                             cmdOK_Click();
                                             if (!IsClosed())
                                                 qt::FocusNamed(&dialog, Focus(), true);
                                         },
                                         [this] { cmdCancel_Click(); }, nullptr},
                                        [this] { return IsClosed(); });
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
    layout->addWidget(buttons);
    dialog.exec();
}

}  // namespace builder
