#pragma once
// Where the focus is when a dialog opens and where Tab takes it from there, as a person pressing Tab sees
// it: the object names of the widgets, one a step.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

namespace testing_support {

// The focus widget of the active window, then after each of `tabs` presses of Tab.
inline std::vector<std::string> FocusChain(int tabs) {
    std::vector<std::string> chain;
    for (int i = 0; i <= tabs; ++i) {
        QWidget* focus = QApplication::focusWidget();
        chain.push_back(focus ? focus->objectName().toStdString() : "(none)");
        if (focus == nullptr || i == tabs)
            break;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return chain;
}

}  // namespace testing_support
