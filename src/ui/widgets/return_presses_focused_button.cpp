#include "ui/widgets/return_presses_focused_button.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace tallimo::ui {

namespace {

// Sees the key once the focused widget has passed it on to its window: a button
// ignores Return, while a box or the tape that uses it keeps it.
class ReturnPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        auto* button = qobject_cast<QAbstractButton*>(static_cast<QWidget*>(watched)->focusWidget());
        if (!returnKey || key->modifiers() & ~Qt::KeypadModifier || button == nullptr || !button->isEnabled() ||
            !button->isVisible())
            return QObject::eventFilter(watched, event);
        button->click();
        return true;
    }
};

}  // namespace

void returnPressesFocusedButton(QWidget& window) { window.installEventFilter(new ReturnPressesButton(&window)); }

}  // namespace tallimo::ui
