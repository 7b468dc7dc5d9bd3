#include "platform/ui/WindowFit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLayout>
#include <QWidget>

#include <algorithm>

namespace ui {
namespace {

// A window manager's title bar holds the window's icon and its minimise, maximise and close buttons.
constexpr int kTitleBarControls = 160;

}  // namespace

int TitleBarWidth(const QWidget& window) {
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    return QFontMetrics(title).horizontalAdvance(window.windowTitle()) + kTitleBarControls;
}

void FitToContents(QWidget& dialog) {
    QLayout* layout = dialog.layout();
    if (layout != nullptr)
        layout->activate();
    const int width = std::max({dialog.sizeHint().width(), dialog.minimumWidth(), TitleBarWidth(dialog)});
    const int height = layout != nullptr && layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                                        : dialog.sizeHint().height();
    dialog.setMinimumSize(width, height);
    dialog.resize(width, height);
}

}  // namespace ui
