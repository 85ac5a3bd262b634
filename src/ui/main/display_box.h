#pragma once

#include "ui/widgets/fitted_text_box.h"

namespace tallimo::ui {

// The input box and the output boxes show what the calculator wrote into them and
// take nothing from the keyboard: no character, backspace, delete or paste, and
// their context menu offers nothing that edits. A number wider than the box shows
// whole, in a smaller font.
class DisplayBox : public FittedTextBox {
    Q_OBJECT
public:
    explicit DisplayBox(QWidget* parent);

protected:
    // The style's thin focus line is lost on the boxes' green; a focused box shows a
    // frame that reads on any colour.
    void paintEvent(QPaintEvent* event) override;
};

// Lets the menus' Ctrl shortcuts through a text box that has the focus: a box would
// otherwise claim Ctrl+C, Ctrl+V, Ctrl+A or Ctrl+Z for its own editing.
void giveMenuShortcutsPrecedence(QWidget& box);

}  // namespace tallimo::ui
