#pragma once
// Whether a box shows its whole text: either every character of it is drawn, in a
// font no smaller than the least readable one and, on one line, no narrower than the
// text itself, or the box says that it leaves out the middle and hands the whole text
// to its tooltip and to a screen reader.

#include "ui/widgets/fitted_text_box.h"

#include <QAccessible>
#include <QImage>
#include <QLineEdit>
#include <QString>

#include <algorithm>

namespace tallimo::testing {

// Another character as wide as `c` in any common font: digits are all one width.
inline QChar standIn(QChar c)
{
    if (c.isDigit()) return QChar(u'0' + (c.digitValue() + 5) % 10);
    switch (c.unicode()) {
    case u'.': return u',';
    case u'E': return u'F';
    case u'+': return u'=';
    case u'-': return u'~';
    default: return u'#';
    }
}

// The characters of the box's text that the screen leaves out: each one in turn is
// changed, and one whose change leaves the box drawn the same is not shown.
inline QString undrawnCharacters(QLineEdit& box)
{
    const QString text = box.text();
    const QImage shown = box.grab().toImage();
    QString undrawn;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString changed = text;
        changed[i] = standIn(text[i]);
        box.setText(changed);
        if (box.grab().toImage() == shown) undrawn += QStringLiteral(" %1 at %2").arg(text[i]).arg(i);
    }
    box.setText(text);
    return undrawn;
}

// The width of ink that the box's one line of text spans: a text cut at an edge spans
// less than its own ink. The ink is what differs from the same box without its text.
inline int inkWidth(QLineEdit& box)
{
    const QImage shot = box.grab().toImage();
    const QString text = box.text();
    box.setText(QString());
    const QImage blank = box.grab().toImage();
    box.setText(text);
    int left = shot.width();
    int right = -1;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != blank.pixel(x, y)) left = std::min(left, x), right = std::max(right, x);
        }
    }
    return qRound((right - left + 1) / shot.devicePixelRatio());
}

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
    const qreal least =
        fitted->lineCount() > 1 ? ui::FittedTextBox::kLeastLinesPointSize : ui::FittedTextBox::kLeastPointSize;
    if (box.font().pointSizeF() < least) return QStringLiteral("font too small");
    const QStringList lines = fitted->shownLines();
    if (lines.join(QString()) != text) return QStringLiteral("drawn as ") + lines.join('|');
    if (lines.size() == 1) {
        const qreal ink = QFontMetricsF(box.font()).tightBoundingRect(text).width();
        const int shown = inkWidth(box);
        if (shown < ink - 1) return QStringLiteral("shows %1 of the text's %2 pixels").arg(shown).arg(ink);
    }
    if (const QString undrawn = undrawnCharacters(box); !undrawn.isEmpty()) return "not drawn:" + undrawn;
    return {};
}

// The widest numbers a box receives: a 15-digit mantissa with a three-digit
// exponent, and a negative 15-digit number.
inline const char* const kWidestNumbers[] = {"-1.23456789012345E+300", "-123456789012345"};

}  // namespace tallimo::testing
