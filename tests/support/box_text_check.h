#pragma once
// Whether a box's accessible text answers a screen reader: at every offset, for
// every kind of boundary, the item there holds the offset, its neighbours touch it,
// and walking from item to item spells out the whole text; the attributes make one
// run and no selection is reported. Empty when all is well, else the first fault.

#include <QAccessible>
#include <QString>

namespace tallimo::testing {

inline constexpr QAccessible::TextBoundaryType kBoundaries[] = {
    QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
    QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};

// The texts a box of numbers holds at its extremes, and some that a number never
// holds but a box may: blanks, a line feed, a character beyond 16 bits.
inline const QString kBoxTexts[] = {
    "", "15", "-1.23456789012345E+300", "5" + QString(308, u'9'), " 12 + 3 = 15\nnext  ", QString::fromUtf8("\xF0\x9F\x98\x80 5")};

inline QString boxTextProblem(QAccessibleInterface& box)
{
    QAccessibleTextInterface* t = box.textInterface();
    if (t == nullptr) return "no text interface";
    const QString text = t->text(0, t->characterCount());
    const auto length = static_cast<int>(text.size());
    const auto fault = [&](const char* what, int offset, QAccessible::TextBoundaryType boundary, int start, int end) {
        return QString("%1 at %2, boundary %3: %4 to %5 in \"%6\"")
            .arg(what).arg(offset).arg(boundary).arg(start).arg(end).arg(text.left(40));
    };
    if (t->selectionCount() != 0) return "a selection is reported";
    for (QAccessible::TextBoundaryType boundary : kBoundaries) {
        for (int offset = -1; offset <= length + 1; ++offset) {
            int start = 0;
            int end = 0;
            const QString item = t->textAtOffset(offset, boundary, &start, &end);
            const int at = offset == -1 ? length : offset;  // -1 stands for the end
            if (at > length) {
                if (start != -1 || end != -1 || !item.isEmpty()) return fault("no item expected", offset, boundary, start, end);
                continue;
            }
            if (item != text.mid(start, end - start)) return fault("the item is not its span", offset, boundary, start, end);
            const bool whole = at == length && boundary != QAccessible::CharBoundary && length > 0;
            if (at < length ? !(start <= at && at < end) : whole ? end != length || start >= end : start != length || end != length)
                return fault("the item does not hold the offset", offset, boundary, start, end);
            if (boundary == QAccessible::NoBoundary && length > 0 && item != text)
                return fault("no boundary is not the whole text", offset, boundary, start, end);

            int beforeStart = 0;
            int beforeEnd = 0;
            const QString before = t->textBeforeOffset(offset, boundary, &beforeStart, &beforeEnd);
            if (before != text.mid(beforeStart, beforeEnd - beforeStart) || beforeEnd != start ||
                (start > 0) != (beforeStart < beforeEnd))
                return fault("the item before does not end where this one starts", offset, boundary, beforeStart, beforeEnd);
            int afterStart = 0;
            int afterEnd = 0;
            const QString after = t->textAfterOffset(offset, boundary, &afterStart, &afterEnd);
            if (after != text.mid(afterStart, afterEnd - afterStart) || afterStart != end ||
                (end < length) != (afterStart < afterEnd))
                return fault("the item after does not start where this one ends", offset, boundary, afterStart, afterEnd);

            int runStart = 0;
            int runEnd = 0;
            t->attributes(offset, &runStart, &runEnd);
            if (runStart != 0 || runEnd != length) return fault("the attributes are not one run", offset, boundary, runStart, runEnd);
        }
        // From the first item on, each next one: the whole text, each character once.
        QString spelled;
        int start = 0;
        int end = 0;
        QString item = t->textAtOffset(0, boundary, &start, &end);
        for (int steps = 0; start < end && steps <= length; ++steps) {
            spelled += item;
            item = t->textAfterOffset(start, boundary, &start, &end);
        }
        if (spelled != text) return fault("the items do not spell the text", 0, boundary, 0, static_cast<int>(spelled.size()));
    }
    return {};
}

}  // namespace tallimo::testing
