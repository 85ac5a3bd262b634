#pragma once
// A QTimer that goes off once; it does not run, and so does not wake the program,
// while nothing waits for it.

#include "common/one_shot_timer.h"

#include <QTimer>

namespace tallimo::ui {

class QtOneShotTimer : public OneShotTimer {
public:
    QtOneShotTimer()
    {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (due_) due_();
        });
    }

    void start(int milliseconds, std::function<void()> due) override
    {
        due_ = std::move(due);
        timer_.start(milliseconds);
    }
    bool isWaiting() const override { return timer_.isActive(); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
    std::function<void()> due_;
};

}  // namespace tallimo::ui
