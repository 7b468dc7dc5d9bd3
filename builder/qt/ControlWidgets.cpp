#include "builder/qt/ControlWidgets.h"
#include "platform/ui/DialogButtons.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace builder::qt {
namespace {

class FocusOutFilter : public QObject {
  public:
    FocusOutFilter(QObject* parent, std::function<void()> lostFocus)
        : QObject(parent), mLostFocus(std::move(lostFocus)), mWatchedClass(parent->metaObject()) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // As a form's LostFocus: not for a popup of the control, nor for another window taking the focus
        // (a box that the check itself shows, too), nor while the control is being destroyed (its class
        // then reads as QWidget), when the handler would reach a half-destroyed control.
        if (event->type() == QEvent::FocusOut && !mRunning && watched->metaObject() == mWatchedClass) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
                return QObject::eventFilter(watched, event);
            mRunning = true;
            mLostFocus();
            mRunning = false;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> mLostFocus;
    const QMetaObject* mWatchedClass;
    bool mRunning = false;
};

// Replaces the entries only when they differ, so that a refresh keeps the view's scroll position.
template <typename Widget, typename TextAt>
void ShowItems(Widget* widget, const std::vector<std::string>& entries, const QString& extra, TextAt textAt) {
    QStringList items;
    for (const auto& entry : entries)
        items << Text(entry);
    if (!extra.isEmpty())
        items << extra;
    QStringList shown;
    for (int i = 0; i < widget->count(); ++i)
        shown << textAt(i);
    if (shown != items) {
        widget->clear();
        widget->addItems(items);
    }
}

}  // namespace

void Mirror(QLineEdit* edit, const TextBox& box) {
    const QSignalBlocker blocker(edit);
    if (edit->text() != Text(box.Text))
        edit->setText(Text(box.Text));
    edit->setEnabled(box.Enabled);
    edit->setVisible(box.Visible);
}

void Mirror(QComboBox* combo, const ComboBox& box) {
    const QSignalBlocker blocker(combo);
    // Text that code put there and no entry holds is shown as an entry of its own.
    const bool extra = box.ListIndex < 0 && !box.Text().empty();
    ShowItems(combo, box.Items, extra ? Text(box.Text()) : QString(),
              [combo](int i) { return combo->itemText(i); });
    combo->setCurrentIndex(extra ? combo->count() - 1 : box.ListIndex);
    combo->setEnabled(box.Enabled);
    combo->setVisible(box.Visible);
}

void Mirror(QListWidget* list, const ListBox& box) {
    const QSignalBlocker blocker(list);
    ShowItems(list, box.Items, QString(), [list](int i) { return list->item(i)->text(); });
    list->setCurrentRow(box.ListIndex);
    list->setVisible(box.Visible);
}

void Mirror(QCheckBox* check, const CheckBox& box) {
    const QSignalBlocker blocker(check);
    check->setChecked(box.Value == 1);
    check->setEnabled(box.Enabled);
}

void Mirror(QRadioButton* option, const OptionButton& box) {
    const QSignalBlocker blocker(option);
    option->setChecked(box.Value);
    option->setEnabled(box.Enabled);
}

void FocusNamed(QWidget* dialog, const std::string& name, bool selectText) {
    if (name.empty())
        return;
    auto* widget = dialog->findChild<QWidget*>(Text(name));
    if (widget == nullptr)
        return;
    widget->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && selectText)
        edit->selectAll();
}

void OnFocusOut(QWidget* widget, std::function<void()> lostFocus) {
    widget->installEventFilter(new FocusOutFilter(widget, std::move(lostFocus)));
}

QPushButton* AddOKCancelHelp(QDialog& dialog, QBoxLayout& layout, const DialogCommands& commands) {
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("cmdOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
    buttons->button(QDialogButtonBox::Help)->setObjectName("cmdHelp");
    layout.addWidget(buttons);
    ui::EscapeClicks(dialog, *buttons->button(QDialogButtonBox::Cancel));
    QObject::connect(buttons, &QDialogButtonBox::accepted, [&dialog, commands] {
        commands.ok();
        commands.refresh();
        FocusNamed(&dialog, commands.focus(), commands.isOpen());
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, [commands] {
        commands.cancel();
        commands.refresh();
    });
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, [commands] { commands.help(); });
    QObject::connect(&dialog, &QDialog::rejected, [commands] {
        if (commands.isOpen())
            commands.cancel();
    });
    return ok;
}

}  // namespace builder::qt
