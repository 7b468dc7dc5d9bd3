#pragma once
// Windows sized to what they show: wide enough for the whole title in a window manager's title bar, and
// large enough for their word-wrapped text, so that nothing is cut until the person resizes them; and
// every window within the screen, so that none opens or grows past its edges.

#include <QSize>

class QWidget;

namespace ui {

// The width a window needs for its title to show whole beside the title bar's icon and buttons.
int TitleBarWidth(const QWidget& window);

// Sizes a dialog to its contents at no less than its title bar's width, and keeps it from being made
// smaller than that.
void FitToContents(QWidget& dialog);

// The largest size a top-level window can have within the available area of its screen, its frame around
// it.
QSize RoomOnScreen(const QWidget& window);

// Keeps a top-level window, frame and all, within the available area of its screen: made smaller where it
// is larger (though not below its minimum size, which a window too large for the screen keeps at the area's
// top left corner), and moved inside where it passes an edge. One that the window system has yet to place
// (`placed` false) is made smaller only.
void KeepOnScreen(QWidget& window, bool placed = true);

// Every top-level window of the running application keeps on screen when it is shown and whenever the
// program resizes it (a window the person resizes is left as they make it). Installed once per application.
void KeepWindowsOnScreen();

}  // namespace ui
