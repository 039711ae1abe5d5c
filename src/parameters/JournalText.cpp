#include "parameters/JournalText.h"

namespace {
QString replaceFirstOrPrepend(const QString& text, const QString& placeholder, const QString& value, bool prepend)
{
    const qsizetype at = text.indexOf(placeholder);
    if (at < 0)
        return prepend ? value + text : text;
    QString result = text;
    result.replace(at, placeholder.size(), value);
    return result;
}
} // namespace

QString ComposeJournalText(const QString& journalTemplate, const QString& name, const QString& valueText,
                           const QString& comment)
{
    QString text = replaceFirstOrPrepend(journalTemplate, QStringLiteral("$$"), name, true);
    text = replaceFirstOrPrepend(text, QStringLiteral("%%"), valueText, true);
    return replaceFirstOrPrepend(text, QStringLiteral("##"), comment, false);
}
