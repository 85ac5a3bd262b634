#include "ui/appearance/system_clock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace tallimo::ui {

namespace {

// The locale's long time format, which has the seconds, without its time zone:
// the clock shows the time of day, as a wall clock does.
QString timeFormat()
{
    const QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (quoted || c != u't') out += c;
    }
    return out.trimmed();
}

}  // namespace

std::string SystemClock::timeText() const
{
    return QLocale::system().toString(QTime::currentTime(), timeFormat()).toStdString();
}

std::string SystemClock::shortDateText() const
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace tallimo::ui
