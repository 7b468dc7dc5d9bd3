#include "platform/ui/DialogButtons.h"

#include <QKeyEvent>
#include <QPushButton>

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
    if (QAbstractButton* cancel = row->button(QDialogButtonBox::Cancel))
        EscapeClicks(dialog, *cancel);
    return row;
}

namespace {

// Takes the key where the dialog would, once no control of it wanted the key, and closes as its frame does.
class EscapeFilter final : public QObject {
  public:
    EscapeFilter(QDialog& dialog, QAbstractButton& cancel) : QObject(&dialog), mCancel(cancel) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
            return QObject::eventFilter(watched, event);
        mCancel.click();
        return true;
    }

  private:
    QAbstractButton& mCancel;
};

}  // namespace

void EscapeClicks(QDialog& dialog, QAbstractButton& cancel) {
    dialog.installEventFilter(new EscapeFilter(dialog, cancel));
}

}  // namespace ui
