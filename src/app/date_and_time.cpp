#include "app/date_and_time.h"

#include "ui/adapters/qt_text.h"
#include "ui/appearance/wall_clock_jumps.h"

#include <QLineEdit>

namespace tallimo::app {

DateAndTime::DateAndTime(ui::MainWindow& window, DisplayOptions& options) : timer_(new QTimer(&window))
{
    timer_->setObjectName(QStringLiteral("Timer1"));
    // Each tick arms the next one for the start of the clock's next second: one
    // wakeup a second, and none of a coarse timer's early or late firing.
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);

    auto* dateBox = static_cast<QLineEdit*>(window.widget(Control::txtDate));
    auto* timeBox = static_cast<QLineEdit*>(window.widget(Control::txtTime));
    QObject::connect(timer_, &QTimer::timeout, &window, [&options, dateBox, timeBox, timer = timer_] {
        const std::chrono::milliseconds next = options.tick();
        ui::setTextIfChanged(*dateBox, options.dateText());
        ui::setTextIfChanged(*timeBox, options.timeText());
        timer->start(next);
    });
    // Set, or woken from sleep: the boxes show the new time at once, and the ticks
    // fall on its seconds from then on.
    new ui::WallClockJumps(&window, [timer = timer_] { timer->start(0); });
}

}  // namespace tallimo::app
