#include "controls/SpinEdit.h"

#include "controls/NumberFormat.h"

#include <QLineEdit>
#include <QStyle>

#include <limits>

SpinEdit::SpinEdit(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(kDefaultDecimals);
    constexpr double kHuge = std::numeric_limits<double>::max();
    setRange(-kHuge, kHuge);
    setSingleStep(1.0);
    setValue(0.0);
}

void SpinEdit::stepBy(int steps)
{
    // What the user typed counts before the step is added, as in QAbstractSpinBox.
    interpretText();
    // QAbstractSpinBox adds the step without rounding; setValue rounds to the
    // decimals shown, which removes the binary error of steps like 0.1.
    double next = value() + steps * singleStep();
    if (wrapping()) {
        // Past an end goes to that end first, and from there round to the other.
        if (next > maximum())
            next = value() == maximum() ? minimum() : maximum();
        else if (next < minimum())
            next = value() == minimum() ? maximum() : minimum();
    }
    setValue(next);
    if (style()->styleHint(QStyle::SH_SpinBox_SelectOnStep, nullptr, this))
        selectAll();
}

QString SpinEdit::textFromValue(double value) const
{
    const auto grouping = isGroupSeparatorShown() ? NumberFormat::Grouping::Grouped : NumberFormat::Grouping::Plain;
    return NumberFormat::toText(value, locale(), decimals(), grouping);
}
