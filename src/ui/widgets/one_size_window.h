#pragma once

class QWidget;

namespace tallimo::ui {

// A window of one size, laid out for it: it asks the window system for no
// maximize button. Qt's own title bar on Wayland draws one all the same, and a
// Wayland compositor ends a program whose window does not take the size that a
// maximize gives it; so a maximize that comes anyway is let in (the window grows,
// its controls stay as they are) and undone at once, and the window takes its one
// size again when it is back to normal.
void keepOneSize(QWidget& window);

}  // namespace tallimo::ui
