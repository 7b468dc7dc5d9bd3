#pragma once
// The Qt side of builder/Controls.h: widgets named as the dialog's controls, shown from the logic's
// state, and the focus put where the logic left it.

#include <QString>
#include <functional>
#include <string>

#include "builder/Controls.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDialog;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace builder::qt {

template <typename Widget>
Widget* Named(const char* name, QWidget* parent = nullptr) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

inline QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Each shows the control's state without raising the widget's change signals.
void Mirror(QLineEdit* edit, const TextBox& box);
void Mirror(QComboBox* combo, const ComboBox& box);
void Mirror(QListWidget* list, const ListBox& box);
void Mirror(QCheckBox* check, const CheckBox& box);
void Mirror(QRadioButton* option, const OptionButton& box);

// The child of `dialog` named `name` takes the focus; a text box's text is selected when `selectText`.
void FocusNamed(QWidget* dialog, const std::string& name, bool selectText = false);

// Runs `lostFocus` whenever `widget` loses the focus.
void OnFocusOut(QWidget* widget, std::function<void()> lostFocus);

// What the OK, Cancel and Help buttons of a dialog run. After OK and Cancel the form is shown again and
// the focus goes where OK's checks left it, a refused text selected to be typed over; the close box is
// Cancel while the dialog is still open.
struct DialogCommands {
    std::function<void()> ok;
    std::function<void()> cancel;
    std::function<void()> help;
    std::function<void()> refresh;
    std::function<bool()> isOpen;
    std::function<std::string()> focus;
};

// Adds the row "OK", "Cancel", "Help" (named cmdOK, cmdCancel, cmdHelp) to `layout` and returns OK.
QPushButton* AddOKCancelHelp(QDialog& dialog, QBoxLayout& layout, const DialogCommands& commands);

// The same for a form's cmdOK_Click, cmdCancel_Click, cmdHelp_Click and Focus.
template <typename Form>
QPushButton* AddOKCancelHelp(QDialog& dialog, QBoxLayout& layout, Form& form, std::function<void()> refresh,
                             std::function<bool()> isOpen) {
    return AddOKCancelHelp(dialog, layout,
                           {[&form] { form.cmdOK_Click(); }, [&form] { form.cmdCancel_Click(); },
                            [&form] { form.cmdHelp_Click(); }, std::move(refresh), std::move(isOpen),
                            [&form] { return form.Focus(); }});
}

}  // namespace builder::qt
