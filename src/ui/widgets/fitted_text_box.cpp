#include "ui/widgets/fitted_text_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace tallimo::ui {

namespace {

// What QLineEdit keeps free left and right of its text inside its contents.
constexpr int kLineEditMargin = 2;
constexpr qreal kSizeStep = 0.5;
// Condensed digits read better than small ones, so a font narrows before it shrinks.
constexpr int kStretches[] = {87, 75};

// The width `text` takes in `font`, with the pixel of a cursor after it.
int widthOf(const QFont& font, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text))) + 1;
}

// QLineEdit scrolls a text unless it fits with room to spare for the overhang of the
// font's widest glyph on either side, which in common fonts is wider than a digit.
int overhangOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    return std::max(0, -metrics.minLeftBearing()) + std::max(0, -metrics.minRightBearing());
}

}  // namespace

FittedTextBox::FittedTextBox(QWidget* parent) : QLineEdit(parent)
{
    designed_ = {font().pointSizeF(), font().stretch()};
    shown_ = designed_;
    connect(this, &QLineEdit::textChanged, this, &FittedTextBox::fit);
}

void FittedTextBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !changingFont_) {
        // A font given from outside is the one the box is designed for; one that only
        // passes on a parent's family keeps the narrowing this box chose.
        const Narrowing given{font().pointSizeF(), font().stretch()};
        if (given != shown_ || shown_ == designed_) designed_ = given;
        shown_ = given;
        fit();
    } else if (event->type() == QEvent::StyleChange) {
        fit();
    }
}

void FittedTextBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    fit();
}

QRect FittedTextBox::textRect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins()).adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
}

QFont FittedTextBox::narrowed(const Narrowing& narrowing) const
{
    QFont font = this->font();
    font.setPointSizeF(narrowing.pointSize);
    font.setStretch(narrowing.stretch);
    return font;
}

void FittedTextBox::fit()
{
    // Start-up and an empty box cost nothing: no measuring until there is a text.
    if (text().isEmpty() || designed_.pointSize <= 0) {
        drawWith(designed_);
        drawsText_ = false;
        setElided(false);
        return;
    }
    const int room = textRect().width();
    Narrowing trial = designed_;
    bool fits = widthOf(narrowed(trial), text()) <= room;
    for (int stretch : kStretches) {
        if (fits) break;
        trial.stretch = stretch;
        fits = widthOf(narrowed(trial), text()) <= room;
    }
    const qreal least = std::min(kLeastPointSize, designed_.pointSize);
    while (!fits && trial.pointSize > least) {
        trial.pointSize = std::max(least, trial.pointSize - kSizeStep);
        fits = widthOf(narrowed(trial), text()) <= room;
    }
    drawWith(trial);
    const bool lineEditShowsAll = fits && widthOf(font(), text()) + overhangOf(font()) <= room;
    if (drawsText_ != !lineEditShowsAll) update();
    drawsText_ = !lineEditShowsAll;
    setElided(!fits);
}

void FittedTextBox::drawWith(const Narrowing& narrowing)
{
    if (narrowing == shown_) return;
    changingFont_ = true;
    setFont(narrowed(narrowing));
    changingFont_ = false;
    shown_ = narrowing;
}

void FittedTextBox::setElided(bool elided)
{
    if (elided) {
        if (!elided_) designedToolTip_ = toolTip();
        setToolTip(designedToolTip_.isEmpty() ? text() : text() + u'\n' + designedToolTip_);
    } else if (elided_) {
        setToolTip(designedToolTip_);
    }
    elided_ = elided;
}

void FittedTextBox::paintEvent(QPaintEvent* event)
{
    if (!drawsText_) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect room = textRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width() - 1);
    const QPalette::ColorGroup group = !isEnabled()        ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    painter.setPen(palette().color(group, QPalette::Text));
    painter.drawText(room, static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter), shown);
}

}  // namespace tallimo::ui
