#pragma once

#include "appearance/colour.h"

#include <QColor>

class QWidget;

namespace tallimo::ui {

inline QColor toQColor(Colour colour) { return {colour.red, colour.green, colour.blue}; }

inline Colour fromQColor(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

// Fills the widget's background with the colour (a colour scheme's, a panel's);
// children that paint their own background keep theirs.
void paintBackground(QWidget& widget, const QColor& colour);

// An option button on a coloured window that shows white behind its caption, and a
// caption that reads on it.
void paintWhite(QWidget& optionButton);

// Keeps the desktop's background on a widget whatever colour its window is given
// later: a menu bar's black text would vanish on a black window.
void keepDesktopBackground(QWidget& widget);

// Sets a label's own background and text colours.
void paintLabel(QWidget& label, Colour background, Colour text);

// The colour the widget's background is filled with.
Colour backgroundOf(const QWidget& widget);

}  // namespace tallimo::ui
