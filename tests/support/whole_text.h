#pragma once
// Whether a one-line box shows its whole text: either the text drawn in the box is
// as wide as the whole text in the box's font, which must be no smaller than the
// least readable one, or the box says that it leaves out the middle and hands the
// whole text to its tooltip and to a screen reader.

#include "ui/widgets/fitted_text_box.h"

#include <QAccessible>
#include <QImage>
#include <QLineEdit>
#include <QString>
#include <QSignalBlocker>

#include <algorithm>

namespace tallimo::testing {

inline QString wholeTextProblem(QLineEdit& box)
{
    const QString text = box.text();
    auto* fitted = qobject_cast<ui::FittedTextBox*>(&box);
    if (fitted == nullptr) return QStringLiteral("not a box that fits its text");
    if (fitted->elided()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
        if (!box.toolTip().contains(text)) return QStringLiteral("elided, the tooltip lacks the text");
        if (accessible == nullptr || accessible->text(QAccessible::Value) != text)
            return QStringLiteral("elided, the accessible value lacks the text");
        return {};
    }
    if (box.font().pointSizeF() < ui::FittedTextBox::kLeastPointSize) return QStringLiteral("font too small");

    // The ink of a text cut at an edge spans less than the text's own ink; the ink is
    // what differs from the same box without its text.
    const QImage shot = box.grab().toImage();
    QImage blank;
    {
        const QSignalBlocker quiet(&box);
        box.setText(QString());
        blank = box.grab().toImage();
        box.setText(text);
    }
    int left = shot.width();
    int right = -1;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != blank.pixel(x, y)) left = std::min(left, x), right = std::max(right, x);
        }
    }
    const qreal ink = QFontMetricsF(box.font()).tightBoundingRect(text).width();
    if (right - left + 1 < ink - 1)
        return QStringLiteral("shows %1 of the text's %2 pixels").arg(right - left + 1).arg(ink);
    return {};
}

// The widest numbers a box receives: a 15-digit mantissa with a three-digit
// exponent, and a negative 15-digit number.
inline const char* const kWidestNumbers[] = {"-1.23456789012345E+300", "-123456789012345"};

}  // namespace tallimo::testing
