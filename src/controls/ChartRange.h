#pragma once

#include "controls/ChartAxisRange.h"

#include <array>
#include <limits>

// The four axes of a chart: bottom and top show the moment (days since
// 1899-12-30), left and right the value. Bottom and top follow the same data,
// as do left and right, but each keeps its own shown range.
enum class ChartAxis { Bottom, Top, Left, Right };

// The shown ranges of a chart's axes and the zoom, reset and shift
// arithmetic on them; no drawing, so it can be tested on its own.
//
// An automatic axis shows the data's extent along it. When every point has
// the same coordinate (a single measurement, or a value that never changed)
// the extent would be empty and zooming it would stay empty, so the axis gets
// a small span around that coordinate instead: half a day each side on the
// date axes, 5 % of the value each side on the value axes (half a unit when
// the value is 0). Without points the axes show 0 to 1.
//
// A zoom or a shift fixes the axes it moves: they keep their range when the
// data changes, until reset. A step whose result would be empty, inverted,
// not finite, narrower than allowed or outside the axis limits is refused and the range stays as it
// was, so that repeated clicks can neither collapse nor overflow an axis.
class ChartRange {
public:
    static constexpr double kHalfDaySpan = 0.5;
    static constexpr double kRelativeValueSpan = 0.05;
    static constexpr double kZeroValueSpan = 0.5;

    ChartRange();

    // The bounding box of the points; automatic axes move to it.
    void setDataExtent(double xMin, double xMax, double yMin, double yMax);
    // No points: automatic axes move to 0..1.
    void clearData();
    bool hasData() const { return m_hasData; }

    // The farthest any horizontal or vertical axis may show, and the
    // narrowest range it may be zoomed to.
    void setHorizontalLimits(double lowest, double highest, double smallestSpan = 0.0);
    void setVerticalLimits(double lowest, double highest, double smallestSpan = 0.0);

    const ChartAxisRange& axis(ChartAxis which) const { return m_axes[index(which)]; }

    // P = 110 takes 10 % of the range off each end, P = 90 adds 10 % at each end.
    void zoom(double percent);
    // Every axis back to automatic over the data.
    void reset();
    // x = +5 moves the view 5 % of its range to later moments (higher values).
    void shiftHorizontal(double percent);
    void shiftVertical(double percent);

private:
    struct Limits {
        double lowest = -std::numeric_limits<double>::max();
        double highest = std::numeric_limits<double>::max();
        double smallestSpan = 0.0;
    };

    static constexpr int index(ChartAxis which) { return int(which); }
    static bool isHorizontal(ChartAxis which) { return which == ChartAxis::Bottom || which == ChartAxis::Top; }
    ChartAxisRange automaticRange(ChartAxis which) const;
    const Limits& limitsOf(ChartAxis which) const;
    // Shows min..max on the axis when it is a usable range; false when refused.
    bool showFixed(ChartAxis which, double min, double max);
    void followData();
    void shift(ChartAxis first, ChartAxis second, double percent);

    std::array<ChartAxisRange, 4> m_axes;
    bool m_hasData = false;
    double m_xMin = 0.0, m_xMax = 1.0, m_yMin = 0.0, m_yMax = 1.0;
    Limits m_horizontal, m_vertical;
};
