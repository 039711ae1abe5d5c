// How much more a redraw costs with ten years of measurements than with a
// couple of thousand: handing the chart its points and painting all of it.
#include "controls/LineChart.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
constexpr double kFirstDay = 43831.0; // 2020-01-01
constexpr double kTenYears = 3652.0;
constexpr int kRuns = 15;

// Newest first, as the history list delivers them: a slow swing with noise.
QVector<QPointF> measurements(int count)
{
    QRandomGenerator random{quint32(count)};
    QVector<QPointF> points;
    points.reserve(count);
    for (int i = count - 1; i >= 0; --i) {
        const double day = kFirstDay + kTenYears * i / (count - 1);
        points.append(QPointF(day, 8.0 + 0.3 * std::sin(day / 90.0) + 0.1 * random.generateDouble()));
    }
    return points;
}

double redrawMs(LineChart& chart, const QVector<QPointF>& points)
{
    QElapsedTimer timer;
    timer.start();
    chart.setPoints(points);
    const QPixmap painted = chart.view()->grab();
    const double ms = timer.nsecsElapsed() / 1e6;
    if (painted.isNull())
        std::fprintf(stderr, "nothing was painted\n");
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LineChart chart;
    chart.resize(800, 300);
    chart.show();
    QApplication::processEvents();

    const QVector<QPointF> few = measurements(2000);
    const QVector<QPointF> many = measurements(100000);
    // Warm-up: fonts, glyph caches, the axes' first layout.
    redrawMs(chart, few);
    redrawMs(chart, many);

    // Alternated, so that a busy moment of the machine hits both sides alike.
    std::vector<double> fewMs, manyMs;
    for (int run = 0; run < kRuns; ++run) {
        fewMs.push_back(redrawMs(chart, few));
        manyMs.push_back(redrawMs(chart, many));
    }
    const double fewMedian = median(fewMs);
    const double manyMedian = median(manyMs);
    const double ratio = manyMedian / fewMedian;
    std::printf("chart redraw: 2000 points %.2f ms, 100000 points %.2f ms, ratio %.2f (goal <= 2)\n", fewMedian,
                manyMedian, ratio);
    std::printf("  100000 points drawn as %lld over %d pixel columns\n", qlonglong(chart.drawnPoints().size()),
                chart.drawnColumns());
    return ratio <= 2.0 ? 0 : 1;
}
