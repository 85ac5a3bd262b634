#pragma once
// A timer that goes off once: the core asks for a later moment, and sleeps until it.

#include <functional>

namespace tallimo {

class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    // Calls `due` once, `milliseconds` from now, unless stopped first. A start while
    // the timer waits begins the wait afresh.
    virtual void start(int milliseconds, std::function<void()> due) = 0;
    virtual bool isWaiting() const = 0;
    virtual void stop() = 0;
};

}  // namespace tallimo
