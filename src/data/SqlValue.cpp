#include "data/SqlValue.h"

#include <QLocale>

namespace SqlValues {

qint64 toInt64(const SqlValue& v)
{
    if (auto i = std::get_if<qint64>(&v))
        return *i;
    if (auto d = std::get_if<double>(&v))
        return qint64(*d);
    if (auto s = std::get_if<QString>(&v))
        return s->trimmed().toLongLong();
    return 0;
}

double toDouble(const SqlValue& v)
{
    if (auto d = std::get_if<double>(&v))
        return *d;
    if (auto i = std::get_if<qint64>(&v))
        return double(*i);
    if (auto s = std::get_if<QString>(&v))
        return s->trimmed().toDouble();
    return 0.0;
}

QString toText(const SqlValue& v)
{
    if (auto s = std::get_if<QString>(&v))
        return *s;
    if (auto i = std::get_if<qint64>(&v))
        return QString::number(*i);
    if (auto d = std::get_if<double>(&v))
        return formatNumber(*d);
    return QString();
}

bool toBool(const SqlValue& v)
{
    return toInt64(v) != 0 || toDouble(v) != 0.0;
}

QString formatNumber(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

} // namespace SqlValues
