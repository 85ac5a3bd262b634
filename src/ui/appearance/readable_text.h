#pragma once
// Text that reads on its background on any desktop: a contrast of 4.5 to 1 or more
// between a text's colour and the colour behind it, measured as the ratio of their
// relative luminances (the measure of the accessibility guidelines), disabled text
// included.

#include <QColor>
#include <QPalette>

#include <initializer_list>
#include <vector>

class QWidget;

namespace tallimo::ui {

// From 1 (the same luminance) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `text` moved toward black or white just far enough to read on every one of
// `backgrounds`; unchanged where it reads already.
QColor readableOn(const QColor& text, const std::vector<QColor>& backgrounds);

// The palette with every text colour moved as readableOn() does against the
// backgrounds it is drawn on, in every colour group.
void makeTextReadable(QPalette& palette);

// From here on the desktop's palette reaches the windows with its text made readable
// as makeTextReadable() does, now and after every change of the desktop's theme.
void keepDesktopTextReadable();

// For a widget whose background the program fixes, whatever the desktop: the text
// colours of `roles` that read on it. Black or white, and when disabled the
// background's own colour darkened or lightened just enough to read.
void setTextColoursFor(QWidget& widget, const QColor& background,
                       std::initializer_list<QPalette::ColorRole> roles = {QPalette::WindowText});

}  // namespace tallimo::ui
