#include "controls/ChartDecimator.h"

#include <algorithm>
#include <cmath>

QVector<QPointF> ChartDecimator::decimate(const QVector<QPointF>& sorted, double xMin, double xMax, int columns)
{
    const auto byX = [](const QPointF& p, double x) { return p.x() < x; };
    const qsizetype begin = std::lower_bound(sorted.cbegin(), sorted.cend(), xMin, byX) - sorted.cbegin();
    const qsizetype end =
        std::max(begin, std::upper_bound(sorted.cbegin(), sorted.cend(), xMax, [](double x, const QPointF& p) {
                            return x < p.x();
                        }) - sorted.cbegin());
    columns = std::max(columns, 1);

    QVector<QPointF> kept;
    kept.reserve(std::min<qsizetype>(end - begin, qsizetype(columns) * kPointsPerColumn) + 2);
    if (begin > 0)
        kept.append(sorted[begin - 1]);

    const double perColumn = xMax > xMin ? columns / (xMax - xMin) : 0.0;
    const auto columnOf = [&](double x) {
        // Clamped in double first: a point far outside must not overflow the int.
        const double c = std::floor((x - xMin) * perColumn);
        return int(std::clamp(c, 0.0, double(columns - 1)));
    };

    qsizetype i = begin;
    while (i < end) {
        const int column = columnOf(sorted[i].x());
        qsizetype lowest = i, highest = i, j = i + 1;
        for (; j < end && columnOf(sorted[j].x()) == column; ++j) {
            if (sorted[j].y() < sorted[lowest].y())
                lowest = j;
            if (sorted[j].y() > sorted[highest].y())
                highest = j;
        }
        qsizetype picks[kPointsPerColumn] = {i, lowest, highest, j - 1};
        std::sort(std::begin(picks), std::end(picks));
        const auto last = std::unique(std::begin(picks), std::end(picks));
        for (auto p = std::begin(picks); p != last; ++p)
            kept.append(sorted[*p]);
        i = j;
    }

    if (end < sorted.size())
        kept.append(sorted[end]);
    return kept;
}
