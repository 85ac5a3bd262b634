#include "ui/main/display_box.h"

#include <QKeyEvent>

namespace tallimo::ui {

namespace {

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

DisplayBox::DisplayBox(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    giveMenuShortcutsPrecedence(*this);
}

void giveMenuShortcutsPrecedence(QWidget& box) { box.installEventFilter(new MenuShortcutsFirst(&box)); }

}  // namespace tallimo::ui
