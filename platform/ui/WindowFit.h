#pragma once
// Windows sized to what they show: wide enough for the whole title in a window manager's title bar, and
// large enough for their word-wrapped text, so that nothing is cut until the person resizes them.

class QWidget;

namespace ui {

// The width a window needs for its title to show whole beside the title bar's icon and buttons.
int TitleBarWidth(const QWidget& window);

// Sizes a dialog to its contents at no less than its title bar's width, and keeps it from being made
// smaller than that.
void FitToContents(QWidget& dialog);

}  // namespace ui
