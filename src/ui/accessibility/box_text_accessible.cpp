#include "ui/accessibility/box_text_accessible.h"

#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace tallimo::ui {

namespace {

using Boundary = QAccessible::TextBoundaryType;

// What QLineEdit keeps free left of its text inside its contents.
constexpr int kTextMargin = 2;

// A stretch of the text, from its first character to just past its last.
struct Span {
    int start;
    int end;
};

// Where an item of the kind `boundary` begins. A word runs to the next word and takes
// the blanks after it; a line ends at a line feed. A box's number has no sentences
// or paragraphs of its own: they are its lines.
bool beginsItem(const QString& text, int i, Boundary boundary)
{
    if (i == 0) return true;
    switch (boundary) {
    case QAccessible::CharBoundary: return !(text[i].isLowSurrogate() && text[i - 1].isHighSurrogate());
    case QAccessible::WordBoundary: return !text[i].isSpace() && text[i - 1].isSpace();
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary: return text[i - 1] == u'\n';
    case QAccessible::NoBoundary: return false;
    }
    return false;
}

// The item holding the character at `offset`, which must lie inside the text.
Span itemAt(const QString& text, int offset, Boundary boundary)
{
    Span item{offset, offset + 1};
    while (!beginsItem(text, item.start, boundary)) --item.start;
    while (item.end < text.size() && !beginsItem(text, item.end, boundary)) ++item.end;
    return item;
}

// The item a caret at `offset` stands in. A caret past the last character stands in
// the last word or line, which is what a reader wants read there, but in no character.
Span itemAtCaret(const QString& text, int offset, Boundary boundary)
{
    const auto length = static_cast<int>(text.size());
    if (offset < length) return itemAt(text, offset, boundary);
    if (boundary == QAccessible::CharBoundary || length == 0) return {length, length};
    return itemAt(text, length - 1, boundary);
}

QString answer(const QString& text, Span span, int* startOffset, int* endOffset)
{
    *startOffset = span.start;
    *endOffset = span.end;
    return text.mid(span.start, span.end - span.start);
}

}  // namespace

BoxTextAccessible::BoxTextAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

void* BoxTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString BoxTextAccessible::shown() const
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget())) return edit->text();
    return widget()->property("text").toString();
}

QString BoxTextAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value) return shown();
    return QAccessibleWidget::text(kind);
}

QAccessible::State BoxTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const QVariant readOnly = widget()->property("readOnly");
    state.readOnly = !readOnly.isValid() || readOnly.toBool();
    state.editable = !state.readOnly;
    return state;
}

QString BoxTextAccessible::text(int startOffset, int endOffset) const
{
    const QString whole = shown();
    const auto length = static_cast<int>(whole.size());
    // -1 for the end, as the accessibility bridges ask for the whole text.
    if (endOffset < 0 || endOffset > length) endOffset = length;
    startOffset = std::clamp(startOffset, 0, endOffset);
    return whole.mid(startOffset, endOffset - startOffset);
}

int BoxTextAccessible::characterCount() const { return static_cast<int>(shown().size()); }

QString BoxTextAccessible::textAtOffset(int offset, Boundary boundary, int* startOffset, int* endOffset) const
{
    const QString whole = shown();
    // Qt's stand-ins: -1 for the end of the text, -2 for the caret.
    if (offset == -1) offset = static_cast<int>(whole.size());
    if (offset == -2) offset = cursorPosition();
    if (offset < 0 || offset > whole.size()) return answer({}, {-1, -1}, startOffset, endOffset);
    return answer(whole, itemAtCaret(whole, offset, boundary), startOffset, endOffset);
}

QString BoxTextAccessible::textBeforeOffset(int offset, Boundary boundary, int* startOffset, int* endOffset) const
{
    const QString whole = shown();
    textAtOffset(offset, boundary, startOffset, endOffset);
    if (*startOffset < 0) return {};
    if (*startOffset == 0) return answer(whole, {0, 0}, startOffset, endOffset);
    return answer(whole, itemAt(whole, *startOffset - 1, boundary), startOffset, endOffset);
}

QString BoxTextAccessible::textAfterOffset(int offset, Boundary boundary, int* startOffset, int* endOffset) const
{
    const QString whole = shown();
    const auto length = static_cast<int>(whole.size());
    textAtOffset(offset, boundary, startOffset, endOffset);
    if (*startOffset < 0) return {};
    if (*endOffset >= length) return answer(whole, {length, length}, startOffset, endOffset);
    return answer(whole, itemAt(whole, *endOffset, boundary), startOffset, endOffset);
}

QString BoxTextAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One font and one colour over the whole text: a single run, never an empty one
    // beside a character.
    const int length = characterCount();
    if (offset == -1) offset = length;
    if (offset == -2) offset = cursorPosition();
    const bool inside = offset >= 0 && offset <= length;
    *startOffset = inside ? 0 : -1;
    *endOffset = inside ? length : -1;
    return {};
}

int BoxTextAccessible::cursorPosition() const
{
    const int length = characterCount();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget())) return std::clamp(edit->cursorPosition(), 0, length);
    return length;
}

void BoxTextAccessible::setCursorPosition(int position)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget())) edit->setCursorPosition(position);
}

void BoxTextAccessible::selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

// Where a character is drawn, as near as the box's font tells: a box that draws its
// text narrower or leaves out its middle places it a little otherwise.
QRect BoxTextAccessible::characterRect(int offset) const
{
    const QString whole = shown();
    if (offset < 0 || offset >= whole.size()) return {};
    const QWidget* box = widget();
    const QFontMetrics metrics = box->fontMetrics();
    const QRect contents = box->contentsRect();
    const int left = contents.left() + kTextMargin + metrics.horizontalAdvance(whole.left(offset));
    const int top = contents.top() + (contents.height() - metrics.height()) / 2;
    const int width = metrics.horizontalAdvance(whole.mid(offset, 1));
    return {box->mapToGlobal(QPoint(left, top)), QSize(width, metrics.height())};
}

int BoxTextAccessible::offsetAtPoint(const QPoint& point) const
{
    const QString whole = shown();
    const QWidget* box = widget();
    const QPoint local = box->mapFromGlobal(point);
    if (!box->contentsRect().contains(local)) return -1;
    const QFontMetrics metrics = box->fontMetrics();
    int right = box->contentsRect().left() + kTextMargin;
    for (int offset = 0; offset < whole.size(); ++offset) {
        right += metrics.horizontalAdvance(whole[offset]);
        if (local.x() < right) return offset;
    }
    return -1;
}

}  // namespace tallimo::ui
