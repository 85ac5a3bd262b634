#include "ui/appearance/text_edit_style.h"

#include "ui/appearance/qt_colour.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace tallimo::ui {

bool TextEditStyle::has(const QTextCharFormat& format, FontAttribute attribute) const
{
    // What the format leaves unsaid comes from the box's own font.
    const QFont font = format.font().resolve(edit_.document()->defaultFont());
    switch (attribute) {
    case FontAttribute::Bold: return font.bold();
    case FontAttribute::Italic: return font.italic();
    case FontAttribute::Underline: return font.underline();
    }
    return false;
}

bool TextEditStyle::wholeSelectionHas(FontAttribute attribute) const
{
    const QTextCursor cursor = edit_.textCursor();
    if (!cursor.hasSelection()) return has(edit_.currentCharFormat(), attribute);
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const QTextDocument& document = *edit_.document();
    for (QTextBlock block = document.findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            const bool overlaps = part.position() < end && part.position() + part.length() > start;
            if (overlaps && !has(part.charFormat(), attribute)) return false;
        }
    }
    return true;
}

void TextEditStyle::setOnSelection(FontAttribute attribute, bool on)
{
    QTextCharFormat format;
    switch (attribute) {
    case FontAttribute::Bold: format.setFontWeight(on ? QFont::Bold : QFont::Normal); break;
    case FontAttribute::Italic: format.setFontItalic(on); break;
    case FontAttribute::Underline: format.setFontUnderline(on); break;
    }
    edit_.mergeCurrentCharFormat(format);
}

void TextEditStyle::setSelectionColour(Colour colour)
{
    QTextCharFormat format;
    format.setForeground(toQColor(colour));
    edit_.mergeCurrentCharFormat(format);
}

FontChoice TextEditStyle::font() const { return {edit_.font().family().toStdString(), edit_.font().pointSizeF()}; }

void TextEditStyle::setFont(const FontChoice& choice)
{
    QFont font = edit_.font();
    font.setFamily(QString::fromStdString(choice.family));
    if (choice.pointSize > 0) font.setPointSizeF(choice.pointSize);
    edit_.setFont(font);
}

}  // namespace tallimo::ui
