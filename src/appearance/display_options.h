#pragma once
// The OPTIONS menu (Date, Time, Results Hide/Show) and the clock Timer1 that keeps
// the date and time boxes current, hidden or not.

#include "appearance/clock.h"
#include "common/main_controls.h"

#include <string>

namespace tallimo {

class DisplayOptions {
public:
    DisplayOptions(MainControls& controls, const Clock& clock) : controls_(controls), clock_(clock) {}

    void toggleDate() { toggle(Control::txtDate); }
    void toggleTime() { toggle(Control::txtTime); }
    // Alternates the window's heights while a page is open; otherwise makes it short.
    void toggleResults();

    // One tick of Timer1.
    void tick();
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
