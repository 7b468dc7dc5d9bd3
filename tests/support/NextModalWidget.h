#pragma once
// Acts on the next modal widget that shows (a dialog, a message box or a popup menu): a code path that
// blocks in exec() can be driven from a test. `act` runs from the event loop once the widget is visible.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "tests/support/AwaitedModals.h"

namespace testing_support {

inline void OnNextModalWidget(std::function<void(QWidget&)> act) {
    AwaitedModals::Add("");
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        QWidget* widget = QApplication::activePopupWidget();
        if (!widget)
            widget = QApplication::activeModalWidget();
        if (!widget || !widget->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        AwaitedModals::Remove("");
        act(*widget);
    });
    timer->start();
}

}  // namespace testing_support
