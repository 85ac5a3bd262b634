#pragma once

#include <QLineEdit>

namespace tallimo::ui {

// A one-line box that always shows its whole text. A QLineEdit scrolls a text wider
// than itself to its end and shows the rest as if it were all; this box instead
// draws a wider text narrower: condensed first, then smaller, down to
// kLeastPointSize. Only past that does it leave out the middle of the text behind an
// ellipsis, with the whole text in its tooltip. The text itself, and so the
// accessible value, is never shortened.
class FittedTextBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr qreal kLeastPointSize = 6.5;

    explicit FittedTextBox(QWidget* parent);

    // The middle of the text is left out: even the narrowest font is too wide.
    bool elided() const { return elided_; }

protected:
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
    QRect textRect() const;
    QFont narrowed(const Narrowing& narrowing) const;
    void drawWith(const Narrowing& narrowing);
    void setElided(bool elided);

    Narrowing designed_{};
    Narrowing shown_{};
    bool changingFont_ = false;
    // The box draws the text itself where QLineEdit would scroll it.
    bool drawsText_ = false;
    bool elided_ = false;
    QString designedToolTip_;
};

}  // namespace tallimo::ui
