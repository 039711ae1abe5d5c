#include "controls/ChartRange.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr ChartAxis kAllAxes[] = {ChartAxis::Bottom, ChartAxis::Top, ChartAxis::Left, ChartAxis::Right};
}

ChartRange::ChartRange()
{
    followData();
}

void ChartRange::setDataExtent(double xMin, double xMax, double yMin, double yMax)
{
    m_hasData = true;
    m_xMin = std::min(xMin, xMax);
    m_xMax = std::max(xMin, xMax);
    m_yMin = std::min(yMin, yMax);
    m_yMax = std::max(yMin, yMax);
    followData();
}

void ChartRange::clearData()
{
    m_hasData = false;
    m_xMin = m_yMin = 0.0;
    m_xMax = m_yMax = 1.0;
    followData();
}

void ChartRange::setHorizontalLimits(double lowest, double highest, double smallestSpan)
{
    m_horizontal = {lowest, highest, smallestSpan};
}

void ChartRange::setVerticalLimits(double lowest, double highest, double smallestSpan)
{
    m_vertical = {lowest, highest, smallestSpan};
}

void ChartRange::zoom(double percent)
{
    for (ChartAxis which : kAllAxes) {
        const ChartAxisRange& shown = axis(which);
        const double d = shown.span() * (percent - 100.0) / 100.0;
        showFixed(which, shown.min + d, shown.max - d);
    }
}

void ChartRange::reset()
{
    for (ChartAxisRange& a : m_axes)
        a.automatic = true;
    followData();
}

void ChartRange::shiftHorizontal(double percent)
{
    shift(ChartAxis::Bottom, ChartAxis::Top, percent);
}

void ChartRange::shiftVertical(double percent)
{
    shift(ChartAxis::Left, ChartAxis::Right, percent);
}

void ChartRange::shift(ChartAxis first, ChartAxis second, double percent)
{
    for (ChartAxis which : {first, second}) {
        const ChartAxisRange& shown = axis(which);
        const double s = shown.span() * percent / 100.0;
        showFixed(which, shown.min + s, shown.max + s);
    }
}

bool ChartRange::showFixed(ChartAxis which, double min, double max)
{
    const Limits& limits = limitsOf(which);
    // min < max also rejects NaN; the limits reject the infinities.
    if (!(min < max) || min < limits.lowest || max > limits.highest || !std::isfinite(max - min) ||
        max - min < limits.smallestSpan)
        return false;
    m_axes[index(which)] = {min, max, false};
    return true;
}

void ChartRange::followData()
{
    for (ChartAxis which : kAllAxes) {
        if (axis(which).automatic)
            m_axes[index(which)] = automaticRange(which);
    }
}

ChartAxisRange ChartRange::automaticRange(ChartAxis which) const
{
    const bool horizontal = isHorizontal(which);
    const double lo = horizontal ? m_xMin : m_yMin;
    const double hi = horizontal ? m_xMax : m_yMax;
    if (lo < hi)
        return {lo, hi, true};
    double half = horizontal ? kHalfDaySpan : std::abs(lo) * kRelativeValueSpan;
    // 0 (or a value so small that 5 % of it vanishes) still needs a span.
    if (!(lo - half < hi + half))
        half = kZeroValueSpan;
    return {lo - half, hi + half, true};
}

const ChartRange::Limits& ChartRange::limitsOf(ChartAxis which) const
{
    return isHorizontal(which) ? m_horizontal : m_vertical;
}
