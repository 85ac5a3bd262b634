#pragma once

#include <QLineEdit>

namespace tallimo::ui {

// The input box and the output boxes show what the calculator wrote into them and
// take nothing from the keyboard: no character, backspace, delete or paste, and
// their context menu offers nothing that edits.
class DisplayBox : public QLineEdit {
    Q_OBJECT
public:
    explicit DisplayBox(QWidget* parent);
};

// Lets the menus' Ctrl shortcuts through a text box that has the focus: a box would
// otherwise claim Ctrl+C, Ctrl+V, Ctrl+A or Ctrl+Z for its own editing.
void giveMenuShortcutsPrecedence(QWidget& box);

}  // namespace tallimo::ui
