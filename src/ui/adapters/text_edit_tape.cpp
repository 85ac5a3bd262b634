#include "ui/adapters/text_edit_tape.h"

#include "ui/adapters/qt_text.h"

#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace tallimo::ui {

namespace {

// The text box breaks lines at word boundaries, and for every line it makes of a
// word longer than the box is wide it looks for a boundary afresh: a line of
// 100,000 digits took it two seconds, one of a megabyte minutes. A text with a
// word that long breaks its lines anywhere instead; the text itself is unchanged.
constexpr std::size_t kLongestWord = 4000;

bool hasLongWord(std::string_view text)
{
    std::size_t run = 0;
    for (const char c : text) {
        run = (c == ' ' || c == '\t' || c == '\n' || c == '\r') ? 0 : run + 1;
        if (run > kLongestWord) return true;
    }
    return false;
}

void breakLinesAnywhere(QTextEdit& edit, bool anywhere)
{
    const QTextOption::WrapMode mode = anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (edit.wordWrapMode() != mode) edit.setWordWrapMode(mode);
}

}  // namespace

TextEditTape::TextEditTape(QTextEdit& edit) : edit_(edit)
{
    // Typed by the user or written by the calculator, every change is reported.
    QObject::connect(&edit_, &QTextEdit::textChanged, &edit_, [this] { changed(); });
    QScrollBar* view = edit_.verticalScrollBar();
    QObject::connect(view, &QScrollBar::valueChanged, &edit_, [this, view] {
        if (!replacing_) followsEnd_ = view->value() >= view->maximum();
    });
    // The tape grew (or its layout caught up with it): the end stays in view.
    QObject::connect(view, &QScrollBar::rangeChanged, &edit_, [this, view] {
        if (followsEnd_ && !replacing_) view->setValue(view->maximum());
    });
}

void TextEditTape::append(std::string_view text)
{
    if (text.empty()) return;
    if (hasLongWord(text)) breakLinesAnywhere(edit_, true);
    // A tape opened at its top follows its end once the end is in view.
    const QScrollBar* view = edit_.verticalScrollBar();
    followsEnd_ = followsEnd_ || view->value() >= view->maximum();
    QTextCursor cursor(edit_.document());
    cursor.movePosition(QTextCursor::End);
    // A plain format: a line the user made bold or red does not colour the next one.
    cursor.insertText(toQString(text), QTextCharFormat());
}

void TextEditTape::removeLastCharacter()
{
    QTextCursor cursor(edit_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.deletePreviousChar();
}

bool TextEditTape::isEmpty() const { return edit_.document()->isEmpty(); }

std::string TextEditTape::text() const { return toUtf8(edit_.toPlainText()); }

void TextEditTape::setText(std::string_view text)
{
    breakLinesAnywhere(edit_, hasLongWord(text));
    // An opened or restored tape shows its top.
    replacing_ = true;
    edit_.setPlainText(toQString(text));
    replacing_ = false;
    followsEnd_ = false;
}

std::string TextEditTape::selectedText() const
{
    // Through a fragment, so that line ends come back as "\n" and not as U+2029.
    return toUtf8(edit_.textCursor().selection().toPlainText());
}

void TextEditTape::replaceSelection(std::string_view text)
{
    QTextCursor cursor = edit_.textCursor();
    cursor.insertText(toQString(text));
    edit_.setTextCursor(cursor);
}

}  // namespace tallimo::ui
