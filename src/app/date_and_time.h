#pragma once
// Timer1, which keeps the date and time boxes current, hidden or not: the one place
// where the clock is wired.

#include "appearance/display_options.h"
#include "ui/main/main_window.h"

#include <QTimer>

namespace tallimo::app {

class DateAndTime {
public:
    // The timer and its companions are children of `window` and end with it.
    DateAndTime(ui::MainWindow& window, DisplayOptions& options);

    // The first tick comes at the event loop's next turn; each tick arms the next.
    void start() { timer_->start(0); }
    QTimer& timer() const { return *timer_; }

private:
    QTimer* timer_;
};

}  // namespace tallimo::app
