#include "data/DateTime.h"

#include "data/LocaleFormat.h"

#include <QLocale>
#include <QTimeZone>

#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr qint64 kMsPerDay = 86400000;

// Milliseconds within the day, rounded so that 1/24 is exactly one hour.
qint64 msOfDay(double days)
{
    const double whole = std::floor(days);
    return std::llround((days - whole) * kMsPerDay);
}
} // namespace

DateTime DateTime::fromDateAndTime(const QDate& date, const QTime& time)
{
    const qint64 day = kEpoch.daysTo(date);
    const qint64 ms = time.isValid() ? time.msecsSinceStartOfDay() : 0;
    return DateTime(double(day) + double(ms) / kMsPerDay);
}

DateTime DateTime::fromDate(const QDate& date)
{
    return fromDateAndTime(date, QTime(0, 0));
}

DateTime DateTime::fromQDateTime(const QDateTime& moment)
{
    const QDateTime local = moment.toLocalTime();
    return fromDateAndTime(local.date(), local.time());
}

QDate DateTime::date() const
{
    qint64 day = qint64(std::floor(m_days));
    if (msOfDay(m_days) >= kMsPerDay)
        ++day;
    return kEpoch.addDays(day);
}

QTime DateTime::time() const
{
    qint64 ms = msOfDay(m_days);
    if (ms >= kMsPerDay)
        ms = 0;
    return QTime::fromMSecsSinceStartOfDay(int(ms));
}

QDateTime DateTime::toQDateTime() const
{
    return QDateTime(date(), time());
}

DateTime DateTime::datePart() const
{
    return fromDate(date());
}

DateTime DateTime::withTimeOf(const DateTime& other) const
{
    return fromDateAndTime(date(), other.time());
}

bool DateTime::isMidnight() const
{
    return time() == QTime(0, 0);
}

// The same formats as the pickers and the clock show: a four-digit year, no time zone.
QString DateTime::toShortDateText() const
{
    const QLocale locale;
    return locale.toString(date(), LocaleFormat::shortDate(locale));
}

QString DateTime::toLongTimeText() const
{
    const QLocale locale;
    return locale.toString(time(), LocaleFormat::longTime(locale));
}

QString DateTime::toText() const
{
    if (isMidnight())
        return toShortDateText();
    return toShortDateText() + QLatin1Char(' ') + toLongTimeText();
}
