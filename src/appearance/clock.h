#pragma once

#include <string>

namespace tallimo {

// The system's clock, written as the system writes times and short dates.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::string timeText() const = 0;
    virtual std::string shortDateText() const = 0;
};

}  // namespace tallimo
