#pragma once

#include <QLineEdit>
#include <QStringList>

namespace tallimo::ui {

// A box that always shows its whole text. A QLineEdit scrolls a text wider than
// itself to its end and shows the rest as if it were all; this box instead draws a
// wider text another way. A one-line box draws it narrower: condensed first, then
// smaller, down to kLeastPointSize. A box given room for several lines breaks the
// text over them at any character, smaller if it must, down to
// kLeastLinesPointSize. Only past that does the box leave out the middle of the
// text behind an ellipsis, with the whole text in its tooltip. The text itself, and
// so the accessible value, is never shortened. A long tooltip is wrapped to stay on
// the screen.
class FittedTextBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr qreal kLeastPointSize = 6.5;
    static constexpr qreal kLeastLinesPointSize = 7.5;

    explicit FittedTextBox(QWidget* parent);

    // The most lines a text too wide for one line is broken over; 1 unless set.
    void setLineCount(int lines);
    int lineCount() const { return lineCount_; }

    // The middle of the text is left out: even the narrowest font is too wide.
    bool elided() const { return elided_; }
    // The lines the text is drawn in, as they are drawn.
    QStringList shownLines() const;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // How the text is drawn: the font's size in points and its width in percent.
    struct Narrowing {
        qreal pointSize;
        int stretch;
        bool operator==(const Narrowing&) const = default;
    };

    void fit();
    bool fitOneLine(const QRect& room);
    bool fitLines(const QRect& room);
    QRect textRect() const;
    QFont narrowed(const Narrowing& narrowing) const;
    void drawWith(const Narrowing& narrowing);
    void setDrawsText(bool drawsText);
    void setElided(bool elided);

    Narrowing designed_{};
    Narrowing shown_{};
    int lineCount_ = 1;
    bool changingFont_ = false;
    // The box draws these lines itself where QLineEdit would scroll the text; none
    // while QLineEdit shows the whole text.
    QStringList lines_;
    bool elided_ = false;
    QString designedToolTip_;
};

// `text` with line breaks put in where a line would be wider than `width` pixels in
// `font`: between words where it can, anywhere in a word too long for a line.
QString wrappedText(const QString& text, const QFont& font, int width);

}  // namespace tallimo::ui
