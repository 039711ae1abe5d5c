#pragma once

#include <QLocale>
#include <QString>

// Date and time formats for the pickers and the clock, taken from the locale and
// made fit for editing: a time zone cannot be edited and means nothing for a
// local diary time, and a two-digit year would turn a typed "99" into 2099.
class LocaleFormat {
public:
    // The locale's short date format with a four-digit year.
    static QString shortDate(const QLocale& locale);
    // The locale's long time format (with seconds) without the time zone.
    static QString longTime(const QLocale& locale);

    // The pieces, on Qt format strings; text in single quotes is left alone.
    static QString withFullYear(const QString& format);
    static QString withoutTimeZone(const QString& format);
};
