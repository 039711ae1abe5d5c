#pragma once

#include <QString>

#include <variant>

// One value as it travels to and from the database: no value, an integer, a
// floating-point number or a text. Booleans travel as 0/1, date-times as days.
using SqlValue = std::variant<std::monostate, qint64, double, QString>;

namespace SqlValues {
// Reads with the defaults of a column that holds no value: 0, 0.0, empty text, false.
qint64 toInt64(const SqlValue& v);
double toDouble(const SqlValue& v);
QString toText(const SqlValue& v);
bool toBool(const SqlValue& v);
inline bool isNull(const SqlValue& v)
{
    return std::holds_alternative<std::monostate>(v);
}
// A number in the general format: up to 15 significant digits, the locale's decimal separator.
QString formatNumber(double value);
} // namespace SqlValues
