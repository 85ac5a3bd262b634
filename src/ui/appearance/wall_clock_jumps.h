#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tallimo::ui {

// Tells at once when the wall clock jumps: set by hand or by the network, or the
// machine waking from sleep. A timer counts from start-up and runs on unaware of such
// a jump, so a clock driven by it alone would show the old time until its next tick.
// Where the system cannot tell (other than Linux), it never calls, and the next tick
// puts the clock right.
class WallClockJumps : public QObject {
public:
    WallClockJumps(QObject* parent, std::function<void()> jumped);
    ~WallClockJumps() override;

private:
    void arm();
    void readJump();

    std::function<void()> jumped_;
    int timer_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tallimo::ui
