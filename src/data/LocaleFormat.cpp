#include "data/LocaleFormat.h"

#include <QRegularExpression>

namespace {
// Applies change to the parts of a Qt date/time format outside single quotes.
template <typename Change> QString changeUnquoted(const QString& format, Change change)
{
    QString result;
    QString plain;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            if (!quoted) {
                result += change(plain);
                plain.clear();
            }
            quoted = !quoted;
            result += c; // '' (a quote) toggles twice and comes out whole
        } else if (quoted) {
            result += c;
        } else {
            plain += c;
        }
    }
    return result + change(plain);
}
} // namespace

QString LocaleFormat::shortDate(const QLocale& locale)
{
    return withFullYear(locale.dateFormat(QLocale::ShortFormat));
}

QString LocaleFormat::longTime(const QLocale& locale)
{
    return withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
}

QString LocaleFormat::withFullYear(const QString& format)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return changeUnquoted(format, [](QString part) { return part.replace(twoDigitYear, QStringLiteral("yyyy")); });
}

QString LocaleFormat::withoutTimeZone(const QString& format)
{
    static const QRegularExpression zone(QStringLiteral("\\s*t+"));
    return changeUnquoted(format, [](QString part) { return part.remove(zone); }).trimmed();
}
