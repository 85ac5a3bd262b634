#pragma once
// A key pressed as a person presses it: through the platform to the active window,
// its shortcuts first, then its focused control.

#include <QTest>

#include <utility>

namespace tallimo::testing {

inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    if (key == Qt::Key_Enter) modifiers |= Qt::KeypadModifier;  // Enter is the keypad's
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

// The keys that press the focused key, with their names for the rows of a test.
inline constexpr std::pair<Qt::Key, const char*> kPressingKeys[] = {
    {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Space, "Space"}};

}  // namespace tallimo::testing
