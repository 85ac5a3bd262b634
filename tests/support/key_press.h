#pragma once
// A key pressed as a person presses it: through the platform to the active window,
// its shortcuts first, then its focused control.

#include <QTest>

namespace tallimo::testing {

inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

}  // namespace tallimo::testing
