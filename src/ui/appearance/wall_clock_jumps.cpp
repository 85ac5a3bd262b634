#include "ui/appearance/wall_clock_jumps.h"

#include <QSocketNotifier>

#include <utility>

#if defined(Q_OS_LINUX)
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>
#include <ctime>
#endif

namespace tallimo::ui {

WallClockJumps::WallClockJumps(QObject* parent, std::function<void()> jumped)
    : QObject(parent), jumped_(std::move(jumped))
{
#if defined(Q_OS_LINUX)
    // A wall-clock timer due at the end of time, which the system cancels whenever the
    // wall clock is set or the machine resumes: it never fires, so it costs no wakeup.
    timer_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timer_ < 0) return;
    arm();
    notifier_ = new QSocketNotifier(timer_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readJump(); });
#else
    Q_UNUSED(timer_)
    Q_UNUSED(notifier_)
    Q_UNUSED(jumped_)
#endif
}

WallClockJumps::~WallClockJumps()
{
#if defined(Q_OS_LINUX)
    delete notifier_;  // before the descriptor it watches is closed
    if (timer_ >= 0) ::close(timer_);
#endif
}

void WallClockJumps::arm()
{
#if defined(Q_OS_LINUX)
    itimerspec endOfTime{};
    endOfTime.it_value.tv_sec = std::numeric_limits<time_t>::max() / 2;  // held at the system's farthest time
    timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &endOfTime, nullptr);
#endif
}

void WallClockJumps::readJump()
{
#if defined(Q_OS_LINUX)
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(timer_, &expirations, sizeof expirations);
    // A cancelled timer stays cancelled, and readable, until it is armed again.
    arm();
    if (got < 0 && errno == ECANCELED) jumped_();
#endif
}

}  // namespace tallimo::ui
