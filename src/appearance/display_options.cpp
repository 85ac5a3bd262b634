#include "appearance/display_options.h"

#include <algorithm>
#include <utility>

namespace tallimo {

void DisplayOptions::toggleResults()
{
    const bool grow = controls_.visible(Control::txtSpool) && controls_.height() == WindowHeight::Short;
    controls_.setHeight(grow ? WindowHeight::Tall : WindowHeight::Short);
}

namespace {

// Timers may wake a little before their time; the margin keeps a tick from reading
// the old second.
constexpr std::chrono::milliseconds kPastTheSecond{5};

}  // namespace

std::chrono::milliseconds DisplayOptions::tick()
{
    ClockReading now = clock_.read();
    time_ = std::move(now.time);
    date_ = std::move(now.shortDate);
    return std::chrono::milliseconds{1000 - std::clamp(now.millisecond, 0, 999)} + kPastTheSecond;
}

}  // namespace tallimo
