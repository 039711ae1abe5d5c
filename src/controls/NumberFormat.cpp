#include "controls/NumberFormat.h"

QString NumberFormat::toText(double value, const QLocale& locale, int maxDecimals, Grouping grouping)
{
    QLocale writer = locale;
    QLocale::NumberOptions options = writer.numberOptions();
    // The C locale omits group separators by default; the caller decides instead.
    options.setFlag(QLocale::OmitGroupSeparator, grouping == Grouping::Plain);
    writer.setNumberOptions(options);

    QString text = writer.toString(value, 'f', maxDecimals);
    const QString point = writer.decimalPoint();
    const QString zero = writer.zeroDigit();
    if (maxDecimals > 0 && text.contains(point)) {
        while (text.endsWith(zero))
            text.chop(zero.size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    // -0.00000001 rounds to "-0"; a minus on nothing only confuses.
    const QString minus = writer.negativeSign();
    if (text.startsWith(minus) && text.mid(minus.size()) == zero)
        text = zero;
    return text;
}
