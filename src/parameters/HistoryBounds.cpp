#include "parameters/HistoryBounds.h"

namespace {
// Past 31 December 9999, so every stored moment falls inside.
constexpr double kEndOfTime = 2958467.0083333333;
constexpr double kOneSecond = 1.0 / 86400.0;
} // namespace

HistoryPeriod HistoryBounds(bool wholeHistory, DateTime firstDay, DateTime lastDay)
{
    if (wholeHistory)
        return {DateTime(0.0), DateTime(kEndOfTime)};
    return {firstDay.datePart(), DateTime(lastDay.addDays(1).datePart().days() - kOneSecond)};
}
