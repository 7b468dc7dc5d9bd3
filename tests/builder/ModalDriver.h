#pragma once
// Acting on a modal dialog from inside its own event loop, as a person at the screen does, and saving
// what it shows as a picture under the build folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <string>

#include "tests/support/AwaitedModals.h"

namespace builder_test {

// Runs `act` on the modal widget whose object name (or class name) is `name` as soon as it is the active
// modal widget and its window is active. The act must close it: one still open after the act fails the test
// and is closed, so that the test goes on.
inline void WhenShown(const QString& name, std::function<void(QWidget&)> act) {
    testing_support::AwaitedModals::Add(name.toStdString());
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, name, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || (modal->objectName() != name && name != modal->metaObject()->className()))
            return;
        // Focus moves (and a control's lost focus) need the window to be the active one.
        if (!modal->isActiveWindow()) {
            modal->activateWindow();
            return;
        }
        timer->stop();
        timer->deleteLater();
        testing_support::AwaitedModals::Remove(name.toStdString());
        const QPointer<QWidget> shown = modal;
        act(*modal);
        if (shown && shown->isVisible()) {
            ADD_FAILURE() << name.toStdString() << " stayed open after the test acted on it";
            shown->close();
        }
    });
    timer->start();
}

// Lets the events a click or a key posted run.
inline void Settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

template <typename Widget>
Widget& Child(QWidget& parent, const char* name) {
    auto* child = parent.findChild<Widget*>(name);
    if (child == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return *child;
}

inline void SaveScreenshot(QWidget& widget, const char* fileName) {
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    const QString folder = QString::fromStdString(std::string(binary ? binary : ".") + "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    QApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(folder + "/" + fileName));
}

}  // namespace builder_test
