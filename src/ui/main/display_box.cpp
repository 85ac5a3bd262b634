#include "ui/main/display_box.h"

#include "ui/accessibility/reading.h"

#include <QKeyEvent>
#include <QPainter>

namespace tallimo::ui {

namespace {

constexpr int kFocusFrameWidth = 2;

class MenuShortcutsFirst : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::ControlModifier)) {
            // Not claimed: the window's shortcut runs, or, when there is none, the
            // key arrives at the box as an ordinary key press.
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

DisplayBox::DisplayBox(QWidget* parent) : FittedTextBox(parent)
{
    readBoxWhole(*this);
    setReadOnly(true);
    giveMenuShortcutsPrecedence(*this);
}

void DisplayBox::paintEvent(QPaintEvent* event)
{
    FittedTextBox::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), kFocusFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void giveMenuShortcutsPrecedence(QWidget& box) { box.installEventFilter(new MenuShortcutsFirst(&box)); }

}  // namespace tallimo::ui
