#pragma once

#include "appearance/clock.h"

namespace tallimo::ui {

// The time with seconds and the short date, as the system's locale writes them.
class SystemClock : public Clock {
public:
    std::string timeText() const override;
    std::string shortDateText() const override;
};

}  // namespace tallimo::ui
