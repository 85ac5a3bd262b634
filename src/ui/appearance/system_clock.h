#pragma once

#include "appearance/clock.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace tallimo::ui {

// The time with seconds and the short date, as the system's locale writes them.
class SystemClock : public Clock {
public:
    ClockReading read() const override;

private:
    struct Formats {
        QLocale locale;
        QString time;
        QString date;
    };
    // Asking the system for its formats costs more than the formatting itself, once
    // a second; they are asked once, at the first reading, after start-up.
    mutable std::optional<Formats> formats_;
};

}  // namespace tallimo::ui
