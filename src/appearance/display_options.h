#pragma once
// The OPTIONS menu (Date, Time, Results Hide/Show) and the clock Timer1 that keeps
// the date and time boxes current, hidden or not.

#include "appearance/clock.h"
#include "common/main_controls.h"

#include <chrono>
#include <string>

namespace tallimo {

class DisplayOptions {
public:
    DisplayOptions(MainControls& controls, const Clock& clock) : controls_(controls), clock_(clock) {}

    void toggleDate() { toggle(Control::txtDate); }
    void toggleTime() { toggle(Control::txtTime); }
    // Alternates the window's heights while a tape is open; otherwise makes it short.
    void toggleResults();

    // One tick of Timer1: takes the time and date from the clock and returns when the
    // next tick is due, just after the clock's next second begins. The clock is read
    // afresh each time, so a tick that comes late or early, after the clock was set
    // or the machine slept, still lands on the following second.
    std::chrono::milliseconds tick();
    const std::string& dateText() const { return date_; }
    const std::string& timeText() const { return time_; }

private:
    void toggle(Control box) { controls_.show(box, !controls_.visible(box)); }

    MainControls& controls_;
    const Clock& clock_;
    std::string date_;
    std::string time_;
};

}  // namespace tallimo
