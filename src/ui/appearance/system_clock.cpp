#include "ui/appearance/system_clock.h"

#include <QDateTime>

namespace tallimo::ui {

namespace {

// The locale's long time format, which has the seconds, without its time zone:
// the clock shows the time of day, as a wall clock does.
QString timeFormat(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (quoted || c != u't') out += c;
    }
    return out.trimmed();
}

}  // namespace

ClockReading SystemClock::read() const
{
    if (!formats_) {
        const QLocale locale = QLocale::system();
        formats_ = Formats{locale, timeFormat(locale), locale.dateFormat(QLocale::ShortFormat)};
    }
    // One reading for both boxes, so that at midnight they never show the old day's
    // last second beside the new day's date.
    const QDateTime now = QDateTime::currentDateTime();
    return {formats_->locale.toString(now.time(), formats_->time).toStdString(),
            formats_->locale.toString(now.date(), formats_->date).toStdString(), now.time().msec()};
}

}  // namespace tallimo::ui
