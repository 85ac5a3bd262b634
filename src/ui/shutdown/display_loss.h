#pragma once
// Qt gives no signal when the connection to the display breaks (the X server or
// the Wayland compositor ends or crashes): it writes one warning and ends the
// process at once, through exit(1) on X11 and _exit(1) on Wayland. That warning is
// the one way in, so the program's message handler watches for it and runs `save`
// first, once. On Wayland the warning comes from Qt's event thread, not the
// window's; `save` is told which.

#include <functional>

namespace tallimo::ui {

// While it lives, `save(onWindowThread)` runs when the display is lost. One at a time.
class SaveWhenTheDisplayIsLost {
public:
    explicit SaveWhenTheDisplayIsLost(std::function<void(bool onWindowThread)> save);
    ~SaveWhenTheDisplayIsLost();
    SaveWhenTheDisplayIsLost(const SaveWhenTheDisplayIsLost&) = delete;
    SaveWhenTheDisplayIsLost& operator=(const SaveWhenTheDisplayIsLost&) = delete;
};

// Whether `message` is Qt's last word before it ends a program whose display
// connection broke.
bool saysTheDisplayIsLost(const char* message);

}  // namespace tallimo::ui
