#include "ui/widgets/fitted_text_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tallimo::ui {

namespace {

// What QLineEdit keeps free left and right of its text inside its contents.
constexpr int kLineEditMargin = 2;
constexpr qreal kSizeStep = 0.5;
// Condensed digits read better than small ones, so a font narrows before it shrinks.
constexpr int kStretches[] = {87, 75};
const QChar kEllipsis(0x2026);

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

// The lines of `text` laid out `width` pixels wide in `font`, wrapped as `mode` says.
QStringList laidOut(const QString& text, const QFont& font, qreal width, QTextOption::WrapMode mode)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(mode);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

// `text` broken at any character into lines that fit the room, or nothing when
// that takes more than `most` lines or more height than the room has.
std::optional<QStringList> brokenOver(const QString& text, const QFont& font, const QRect& room, int most)
{
    const QStringList lines = laidOut(text, font, room.width() - 1, QTextOption::WrapAnywhere);
    if (lines.size() > most || lines.size() * QFontMetricsF(font).height() > room.height()) return std::nullopt;
    return lines;
}

// `text` with its middle left out behind an ellipsis, `kept` of its characters left.
QString elidedMiddle(const QString& text, qsizetype kept)
{
    return text.left((kept + 1) / 2) + kEllipsis + text.right(kept / 2);
}

}  // namespace

FittedTextBox::FittedTextBox(QWidget* parent) : QLineEdit(parent)
{
    designed_ = {font().pointSizeF(), font().stretch()};
    shown_ = designed_;
    connect(this, &QLineEdit::textChanged, this, &FittedTextBox::fit);
}

void FittedTextBox::setLineCount(int lines)
{
    lineCount_ = std::max(1, lines);
    fit();
}

QStringList FittedTextBox::shownLines() const { return lines_.isEmpty() ? QStringList{text()} : lines_; }

bool FittedTextBox::event(QEvent* event)
{
    // As QWidget shows a tooltip, but wrapped: a number of a few hundred digits in
    // one line would run off the screen.
    if (event->type() == QEvent::ToolTip && !toolTip().isEmpty()) {
        const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
        const QScreen* shownOn = QGuiApplication::screenAt(at);
        if (shownOn == nullptr) shownOn = screen();
        const int width = shownOn->availableGeometry().width() / 2;
        QToolTip::showText(at, wrappedText(toolTip(), QToolTip::font(), width), this, QRect(), toolTipDuration());
        return true;
    }
    return QLineEdit::event(event);
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
        setDrawsText(false);
        setElided(false);
        return;
    }
    const QRect room = textRect();
    setElided(!(lineCount_ > 1 ? fitLines(room) : fitOneLine(room)));
}

bool FittedTextBox::fitOneLine(const QRect& room)
{
    Narrowing trial = designed_;
    bool fits = widthOf(narrowed(trial), text()) <= room.width();
    for (int stretch : kStretches) {
        if (fits) break;
        trial.stretch = stretch;
        fits = widthOf(narrowed(trial), text()) <= room.width();
    }
    const qreal least = std::min(kLeastPointSize, designed_.pointSize);
    while (!fits && trial.pointSize > least) {
        trial.pointSize = std::max(least, trial.pointSize - kSizeStep);
        fits = widthOf(narrowed(trial), text()) <= room.width();
    }
    drawWith(trial);
    const bool lineEditShowsAll = fits && widthOf(font(), text()) + overhangOf(font()) <= room.width();
    setDrawsText(!lineEditShowsAll);
    if (!lineEditShowsAll)
        lines_ = {fits ? text() : fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width() - 1)};
    return fits;
}

bool FittedTextBox::fitLines(const QRect& room)
{
    // Most numbers fit on one line, where QLineEdit draws them as it draws any text.
    const QFont designedFont = narrowed(designed_);
    if (widthOf(designedFont, text()) + overhangOf(designedFont) <= room.width()) {
        drawWith(designed_);
        setDrawsText(false);
        return true;
    }
    const qreal least = std::min(kLeastLinesPointSize, designed_.pointSize);
    Narrowing trial = designed_;
    for (;;) {
        if (const auto lines = brokenOver(text(), narrowed(trial), room, lineCount_)) {
            drawWith(trial);
            setDrawsText(true);
            lines_ = *lines;
            return true;
        }
        if (trial.pointSize <= least) break;
        trial.pointSize = std::max(least, trial.pointSize - kSizeStep);
    }
    // The most characters that the lines hold with an ellipsis among them.
    const QFont leastFont = narrowed(trial);
    qsizetype kept = 0;
    for (qsizetype low = 1, high = text().size() - 1; low <= high;) {
        const qsizetype middle = (low + high) / 2;
        if (brokenOver(elidedMiddle(text(), middle), leastFont, room, lineCount_)) {
            kept = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    drawWith(trial);
    setDrawsText(true);
    lines_ = brokenOver(elidedMiddle(text(), kept), leastFont, room, lineCount_).value_or(QStringList{kEllipsis});
    return false;
}

void FittedTextBox::drawWith(const Narrowing& narrowing)
{
    if (narrowing == shown_) return;
    changingFont_ = true;
    setFont(narrowed(narrowing));
    changingFont_ = false;
    shown_ = narrowing;
}

void FittedTextBox::setDrawsText(bool drawsText)
{
    // The text itself changes only with a repaint of its own; who draws it does not.
    if (lines_.isEmpty() == drawsText) update();
    if (!drawsText) lines_.clear();
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
    if (lines_.isEmpty()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QPalette::ColorGroup group = !isEnabled()        ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    painter.setPen(palette().color(group, QPalette::Text));
    // The lines as one block, in the middle of the box's height as QLineEdit has its
    // one line.
    const QRect room = textRect();
    const QFontMetricsF metrics(font());
    qreal baseline = room.top() + (room.height() - metrics.height() * lines_.size()) / 2 + metrics.ascent();
    for (const QString& line : lines_) {
        painter.drawText(QPointF(room.left(), baseline), line);
        baseline += metrics.height();
    }
}

QString wrappedText(const QString& text, const QFont& font, int width)
{
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        const QStringList wrapped = laidOut(paragraph, font, width, QTextOption::WrapAtWordBoundaryOrAnywhere);
        // A line broken between words keeps no blank at its end.
        for (qsizetype i = 0; i + 1 < wrapped.size(); ++i) lines << wrapped[i].trimmed();
        lines << (wrapped.isEmpty() ? QString() : wrapped.back());
    }
    return lines.join(u'\n');
}

}  // namespace tallimo::ui
