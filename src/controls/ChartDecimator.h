#pragma once

#include <QPointF>
#include <QVector>

// Thins a line to what a plot can show. The visible moments are split into
// as many columns as the plot is pixels wide; each column keeps its first,
// lowest, highest and last point, in their order along the line, so the line
// looks the same while no column draws more than four points. The nearest
// point outside each end of the visible range is kept too, so the line still
// runs in from and out to the plot's edges.
class ChartDecimator {
public:
    static constexpr int kPointsPerColumn = 4;

    // sorted: ascending by x, every coordinate finite. The result is a subset,
    // in the same order.
    static QVector<QPointF> decimate(const QVector<QPointF>& sorted, double xMin, double xMax, int columns);
};
