#pragma once
// Drives a dialog's Qt form offscreen: the picture of the open form is saved as
// $OSTREL_BINARY_DIR/screenshots/<name>.png for a person to look at, then the test acts on the form.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <string>

#include "platform/ui/QtInteraction.h"

namespace testing_support {

inline QWidget* ShownTopLevel(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle().startsWith(title))
            return widget;
    }
    return nullptr;
}

inline void SavePicture(QWidget& window, const std::string& name) {
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    const QString folder = QString(binary ? binary : ".") + "/screenshots";
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(window.grab().save(folder + "/" + QString::fromStdString(name) + ".png"));
}

// Runs `show`, which opens a modal dialog titled `title` and returns when it closes. While it is open, its
// picture is saved and `act` is handed the dialog; `act` must close it (or the test closes it and fails).
inline void DriveModal(const QString& title, const std::string& name, const std::function<void()>& show,
                       const std::function<void(QDialog&)>& act) {
    ui::EnsureApplication();
    bool acted = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(ShownTopLevel(title));
        if (dialog == nullptr) {
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        acted = true;
        SavePicture(*dialog, name);
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << name << " stayed open";
            dialog->reject();
        }
    });
    show();
    EXPECT_TRUE(acted) << "no dialog titled " << title.toStdString();
}

// Clicks the standard button of the dialog's button row.
inline void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    auto* row = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(row, nullptr);
    QPushButton* button = row->button(which);
    ASSERT_NE(button, nullptr);
    button->click();
}

}  // namespace testing_support
