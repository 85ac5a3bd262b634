#pragma once

#include <string>

namespace tallimo {

// One look at the system's clock: the time and the short date as the system writes
// them, and how far the current second has run, all taken at the same instant.
struct ClockReading {
    std::string time;
    std::string shortDate;
    int millisecond = 0;  // 0 to 999
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockReading read() const = 0;
};

}  // namespace tallimo
