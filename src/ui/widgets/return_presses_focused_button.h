#pragma once

class QWidget;

namespace tallimo::ui {

// Return and Enter press the key (push button, option button or check box) that has
// the keyboard focus in `window`, exactly as a click on it does. Qt leaves them to
// the default button of a dialog; in these windows they would do nothing.
void returnPressesFocusedButton(QWidget& window);

}  // namespace tallimo::ui
