#pragma once

#include <QLocale>
#include <QString>

// Writes a number the way the number fields show it: in the given locale, with
// up to a fixed count of decimals and no trailing zeros ("2.5", not "2.5000000").
class NumberFormat {
public:
    enum class Grouping { Grouped, Plain };

    static QString toText(double value, const QLocale& locale, int maxDecimals, Grouping grouping);
};
