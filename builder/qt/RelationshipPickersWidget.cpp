// The relationship dialog's two pickers as Qt dialogs.

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <string>

#include "builder/RelationshipPickers.h"
#include "builder/qt/ControlWidgets.h"
#include "platform/ui/DialogButtons.h"

namespace builder {

namespace {

// An instruction, a list of names and OK and Cancel; a double click in the list is OK when `dblClick` is set.
void ShowPicker(const char* dialogName, const char* caption, const std::string& message, const char* listName,
                ListBox& list, const std::function<void()>& ok, const std::function<void()>& cancel,
                bool dblClick) {
    QDialog dialog;
    dialog.setObjectName(dialogName);
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = qt::Named<QLabel>("lblMessage1");
    label->setText(qt::Text(message));
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* names = qt::Named<QListWidget>(listName);
    qt::Mirror(names, list);
    layout->addWidget(names);
    QObject::connect(names, &QListWidget::currentRowChanged, [&list](int row) { list.ListIndex = row; });
    auto* buttons =
        ui::DialogButtonRow(dialog, QDialogButtonBox::Ok | QDialogButtonBox::Cancel, {ok, cancel, {}});
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
    layout->addWidget(buttons);
    if (dblClick) {
        QObject::connect(names, &QListWidget::itemDoubleClicked,
                         [&dialog, &list, names, ok](QListWidgetItem* item) {
                             list.ListIndex = names->row(item);
                             ok();
                             dialog.accept();
                         });
    }
    dialog.resize(360, 260);
    dialog.exec();
}

}  // namespace

void frmMatchPropertiesPopUp::ShowWidget() {
    ShowPicker(
        "frmMatchPropertiesPopUp", kCaption, lblMessage1, "lstProperties", lstProperties,
        [this] { cmdOK_Click(); }, [this] { cmdCancel_Click(); }, true);
}

void frmSuppBusObj::ShowWidget() {
    ShowPicker(
        "frmSuppBusObj", kCaption, lblMessage1, "lstBusObj", lstBusObj, [this] { cmdOK_Click(); },
        [this] { cmdCancel_Click(); }, false);
}

}  // namespace builder
