#pragma once

#include <QDateTime>
#include <QString>

// A moment as the database keeps it: days since 1899-12-30 as a double, the
// fraction being the time of day (one hour is 1/24, one second 1/86400).
// Conversions use local time, as the user reads the clock.
class DateTime {
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(double days)
        : m_days(days)
    {}

    static DateTime fromQDateTime(const QDateTime& moment);
    static DateTime fromDate(const QDate& date);
    static DateTime fromDateAndTime(const QDate& date, const QTime& time);

    constexpr double days() const { return m_days; }
    QDateTime toQDateTime() const;
    QDate date() const;
    QTime time() const;

    // The whole-day part: midnight of the same day.
    DateTime datePart() const;
    // The date of this moment with the time of day of another.
    DateTime withTimeOf(const DateTime& other) const;
    bool isMidnight() const;

    // The locale's short date format, with a four-digit year.
    QString toShortDateText() const;
    // The locale's long time format, without a time zone.
    QString toLongTimeText() const;
    // Short date, then long time; the time left out when it is exactly midnight.
    QString toText() const;

    DateTime addDays(double days) const { return DateTime(m_days + days); }
    DateTime addHours(double hours) const { return DateTime(m_days + hours / 24.0); }

    friend constexpr bool operator==(DateTime a, DateTime b) { return a.m_days == b.m_days; }
    friend constexpr auto operator<=>(DateTime a, DateTime b) { return a.m_days <=> b.m_days; }

private:
    double m_days = 0.0;
};
