#pragma once

#include <functional>

class QWidget;

namespace tallimo::app {

// Runs `then` once, from the event loop, just after `window`, shown, has drawn its
// first frame: for the work of start-up that the window need not wait for. A window that
// is not drawn within a second (started on a hidden desktop) gets it then.
void afterFirstFrame(QWidget& window, std::function<void()> then);

}  // namespace tallimo::app
