#pragma once
// The button row at the foot of a dialog's Qt form: OK runs its action and then accepts the dialog (unless
// `okCloses` is given and says that the entries were refused), Cancel runs its action and then rejects it,
// Help runs its action. A missing action does nothing more. Escape is the row's Cancel.

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>

#include <functional>

namespace ui {

struct ButtonActions {
    std::function<void()> ok;
    std::function<void()> cancel;
    std::function<void()> help;
};

// The row of `buttons`, owned by `dialog` once the caller lays it out.
QDialogButtonBox* DialogButtonRow(QDialog& dialog, QDialogButtonBox::StandardButtons buttons,
                                  ButtonActions actions = {}, std::function<bool()> okCloses = {});

// Escape in `dialog` clicks `cancel`, as a person expects of a dialog with a Cancel button; without this
// Escape is the window's close box, which may mean something else.
void EscapeClicks(QDialog& dialog, QAbstractButton& cancel);

}  // namespace ui
