#pragma once
// How a screen reader reads some of the program's widgets, in place of what Qt
// would give them. Each call marks a widget before anything asks for its
// accessible interface; one made earlier is dropped.

class QAbstractButton;
class QWidget;

namespace tallimo::ui {

// A one-line box that the program fills (a number box, the clock, a product line):
// read through BoxTextAccessible, whole and without a selection. `box` is a
// QLineEdit, or any widget whose `text` property is what it shows.
void readBoxWhole(QWidget& box);

// A panel that gathers keys: read as a group, not as a window's frame.
void readAsGroup(QWidget& panel);

// An option button that is not auto-exclusive, the program deciding which is set:
// read through OptionButtonAccessible, as a radio button that a screen reader
// presses as a click does.
void readAsOption(QAbstractButton& option);

}  // namespace tallimo::ui
