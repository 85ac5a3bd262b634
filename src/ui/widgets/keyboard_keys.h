#pragma once

#include <QObject>

#include <functional>

class QAbstractButton;
class QMenu;
class QWidget;

namespace tallimo::ui {

// How the keyboard works a window's keys: push buttons, option buttons and check
// boxes. A key takes the focus from Tab and the arrow keys, never from a click, so a
// mouse user's clicks leave the focus where it was. Return, Enter and Space press the
// focused key, exactly as a click does, only while its focus frame shows, which is
// once the user has moved the focus with the keyboard; otherwise they do nothing: a
// calculator must not act on a key the user cannot see is focused.
// The Menu key and Shift+F10 open the focused control's own context menu, or the
// window's right-click popup at that control when it has none.
class KeyboardKeys : public QObject {
public:
    // `popup` gives the window's right-click popup, which may be built late.
    KeyboardKeys(QWidget& window, std::function<QMenu*()> popup);

    // Brings the window's keys and menus built so far under these rules: call it
    // again after building more of them.
    void adopt();

    // Whether the style draws `key`'s focus frame.
    static bool focusShows(const QWidget& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyEvent(QAbstractButton& key, const QEvent& event) const;
    bool windowEvent(QEvent& event);
    void askForContextMenu();
    void keyboardUsed();

    QWidget& window_;
    std::function<QMenu*()> popup_;
};

}  // namespace tallimo::ui
