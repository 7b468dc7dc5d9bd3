#include "platform/ui/WindowFit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace ui {
namespace {

// A window manager's title bar holds the window's icon and its minimise, maximise and close buttons.
constexpr int kTitleBarControls = 160;

// The frame the window system draws around the window; before it is known, a title bar and borders of
// the style's size.
QMargins FrameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    if (outer != inner) {
        return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                outer.bottom() - inner.bottom()};
    }
    const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    return {border, border + window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window), border,
            border};
}

// Menus, tooltips and the like are placed by Qt itself, beside what opened them; a maximised window fills
// the area as it is.
bool IsPlacedWindow(const QWidget& widget) {
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop &&
           !widget.testAttribute(Qt::WA_DontShowOnScreen) &&
           (widget.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0;
}

constexpr const char* kOnScreenFilter = "ostrel-on-screen";

class OnScreenFilter : public QObject {
  public:
    explicit OnScreenFilter(QObject* application) : QObject(application) { setObjectName(kOnScreenFilter); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool shown = event->type() == QEvent::Show;
        const bool resized = event->type() == QEvent::Resize && !event->spontaneous();
        if ((shown || resized) && !mFitting && watched->isWidgetType()) {
            auto& window = static_cast<QWidget&>(*watched);
            if (window.isVisible() && IsPlacedWindow(window)) {
                mFitting = true;
                KeepOnScreen(window, !shown || window.testAttribute(Qt::WA_Moved));
                mFitting = false;
            }
        }
        return false;
    }

  private:
    bool mFitting = false;  // the window's own resize and move while it is kept on screen
};

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

QSize RoomOnScreen(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen->availableGeometry().marginsRemoved(FrameOf(window)).size()
                             : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void KeepOnScreen(QWidget& window, bool placed) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    const QSize size = window.size().boundedTo(RoomOnScreen(window)).expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);
    if (!placed)
        return;
    const QRect area = screen->availableGeometry();
    const QRect outer = window.geometry().marginsAdded(FrameOf(window));
    const QPoint inside(
        std::clamp(outer.left(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
        std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    if (inside != outer.topLeft())
        window.move(inside);
}

void KeepWindowsOnScreen() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr ||
        application->findChild<QObject*>(kOnScreenFilter, Qt::FindDirectChildrenOnly) != nullptr)
        return;
    application->installEventFilter(new OnScreenFilter(application));
}

}  // namespace ui
