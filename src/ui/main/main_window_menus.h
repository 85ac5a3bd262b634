#pragma once
// The main window's menu bar and its right-click popup menu, which repeats the
// menu bar under other names and without shortcuts.

#include "common/main_controls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <array>

namespace tallimo::ui {

using ActionTable = std::array<QAction*, kControlCount>;

// Fills the bar; every item lands in `actions` under its control.
void buildMenuBar(QMenuBar& bar, ActionTable& actions);

// The popup `mnuPopUp`, owned by `window`; it never appears in the bar.
QMenu* buildPopupMenu(QWidget& window, ActionTable& actions);

}  // namespace tallimo::ui
