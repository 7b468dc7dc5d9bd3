#include "platform/ui/DialogButtons.h"

namespace ui {

QDialogButtonBox* DialogButtonRow(QDialog& dialog, QDialogButtonBox::StandardButtons buttons,
                                  ButtonActions actions, std::function<bool()> okCloses) {
    auto* row = new QDialogButtonBox(buttons);
    QObject::connect(row, &QDialogButtonBox::accepted, &dialog,
                     [&dialog, ok = std::move(actions.ok), closes = std::move(okCloses)] {
                         if (ok)
                             ok();
                         if (!closes || closes())
                             dialog.accept();
                     });
    QObject::connect(row, &QDialogButtonBox::rejected, &dialog,
                     [&dialog, cancel = std::move(actions.cancel)] {
                         if (cancel)
                             cancel();
                         dialog.reject();
                     });
    if (actions.help)
        QObject::connect(row, &QDialogButtonBox::helpRequested, &dialog, std::move(actions.help));
    return row;
}

}  // namespace ui
