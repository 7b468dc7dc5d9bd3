#pragma once
// The Qt interaction for tests on real widgets offscreen. A message box or dialog that one of the test's
// drivers awaits (AwaitedModals) shows for it to act on. Any other would wait for a person who never comes
// until the test's time runs out; instead it is answered at once (a box by its default button, a dialog
// closed as by its frame), recorded, and fails the test naming its text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <string>

#include "platform/ui/QtInteraction.h"
#include "tests/support/AwaitedModals.h"

namespace testing_support {

class OffscreenInteraction : public ui::QtInteraction {
  public:
    int32_t MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) override {
        if (AwaitedModals::Awaits("QMessageBox"))
            return QtInteraction::MsgBox(prompt, buttons, title);
        Unexpected(title + ": " + prompt);
        return ui::DefaultButton(buttons);
    }

    void ShowModal(ui::ModalDialog& dialog) override {
        if (!AwaitedModals::Awaits(dialog.DialogName())) {
            QTimer::singleShot(0, [name = dialog.DialogName()] {
                const QPointer<QWidget> shown = QApplication::activeModalWidget();
                Unexpected(name + TextOf(shown));
                if (shown)
                    shown->close();
            });
        }
        QtInteraction::ShowModal(dialog);
    }

  private:
    static std::string TextOf(QWidget* widget) {
        std::string text;
        if (widget == nullptr)
            return text;
        text += " \"" + widget->windowTitle().toStdString() + "\"";
        for (const QLabel* label : widget->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                text += ": " + label->text().toStdString();
        }
        return text;
    }

    static void Unexpected(const std::string& text) {
        ADD_FAILURE() << "A box the test did not expect, answered at once: " << text;
    }
};

}  // namespace testing_support
