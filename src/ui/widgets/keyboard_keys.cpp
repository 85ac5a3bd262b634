#include "ui/widgets/keyboard_keys.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStyleOption>

namespace tallimo::ui {

KeyboardKeys::KeyboardKeys(QWidget& window, std::function<QMenu*()> popup)
    : QObject(&window), window_(window), popup_(std::move(popup))
{
    window.installEventFilter(this);
}

void KeyboardKeys::adopt()
{
    for (QAbstractButton* key : window_.findChildren<QAbstractButton*>()) {
        if (key->window() != &window_) continue;  // a dialog's buttons keep the dialog's rules
        key->setFocusPolicy(Qt::TabFocus);
        key->installEventFilter(this);
    }
    for (QMenu* menu : window_.findChildren<QMenu*>()) menu->installEventFilter(this);
}

bool KeyboardKeys::focusShows(const QWidget& key)
{
    // The style draws the frame from these flags of the key's state. The keyboard's
    // flag is set on the window once the focus has moved by Tab, Shift+Tab, an arrow
    // key or a mnemonic, and never cleared; the Fusion style draws no frame without it.
    QStyleOption option;
    option.initFrom(&key);
    const QStyle::State shown = QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    return key.isVisible() && (option.state & shown) == shown;
}

bool KeyboardKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_) return windowEvent(*event);
    if (auto* key = qobject_cast<QAbstractButton*>(watched)) return keyEvent(*key, *event);
    if (event->type() == QEvent::KeyPress) keyboardUsed();  // in one of the window's menus
    return false;
}

bool KeyboardKeys::keyEvent(QAbstractButton& key, const QEvent& event) const
{
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease) return false;
    const auto& press = static_cast<const QKeyEvent&>(event);
    const bool space = press.key() == Qt::Key_Space || press.key() == Qt::Key_Select;
    const bool enter = (press.key() == Qt::Key_Return || press.key() == Qt::Key_Enter) &&
                       (press.modifiers() & ~Qt::KeypadModifier) == 0;
    if (!space && !enter) return false;
    if (!focusShows(key)) return true;
    if (space) return false;  // the key's own handling: down on the press, clicked on the release
    // A push button leaves Return to a dialog's default button; these windows have none.
    if (event.type() == QEvent::KeyPress) key.click();
    return true;
}

bool KeyboardKeys::windowEvent(QEvent& event)
{
    if (event.type() == QEvent::KeyPress) {
        // Reaches the window when the focused control has no use for it.
        const auto& key = static_cast<const QKeyEvent&>(event);
        const bool menuKey = key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier;
        const bool shiftF10 = key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
        if (!menuKey && !shiftF10) return false;
        askForContextMenu();
        return true;
    }
    if (event.type() == QEvent::ContextMenu) {
        // A right click keeps the window's own rules; a request from the keyboard that
        // no control took opens the popup where the control is.
        auto& request = static_cast<QContextMenuEvent&>(event);
        QMenu* popup = request.reason() == QContextMenuEvent::Keyboard ? popup_() : nullptr;
        if (popup == nullptr) return false;
        popup->popup(request.globalPos());
        return true;
    }
    return false;
}

void KeyboardKeys::askForContextMenu()
{
    // As X11 does for the Menu key: the focused control is asked first, at its text
    // cursor or its middle, and a control without a menu passes the request up.
    QWidget* target = window_.focusWidget();
    if (target == nullptr || !target->isVisible()) target = &window_;
    const QPoint at = target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at), Qt::NoModifier);
    QCoreApplication::sendEvent(target, &request);
}

void KeyboardKeys::keyboardUsed()
{
    // A menu worked with the keys: the user works with the keyboard, and the focus
    // shows from now on, as after Tab.
    if (window_.testAttribute(Qt::WA_KeyboardFocusChange)) return;
    window_.setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* focused = window_.focusWidget()) focused->update();
}

}  // namespace tallimo::ui
