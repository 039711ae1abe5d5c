#include "FreshDatabase.h"

#include "controls/ChartDecimator.h"
#include "controls/ChartRange.h"
#include "controls/LineChart.h"
#include "data/DataSet.h"
#include "data/Database.h"
#include "data/DateTime.h"
#include "parameters/ParameterStatements.h"
#include "parameters/TGraphForm.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

namespace {
constexpr ChartAxis kAxes[] = {ChartAxis::Bottom, ChartAxis::Top, ChartAxis::Left, ChartAxis::Right};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

bool isHorizontal(ChartAxis a)
{
    return a == ChartAxis::Bottom || a == ChartAxis::Top;
}

// Whether every point of part appears in whole, in the same order.
bool isSubsequence(const QVector<QPointF>& part, const QVector<QPointF>& whole)
{
    qsizetype at = 0;
    for (const QPointF& p : part) {
        while (at < whole.size() && whole[at] != p)
            ++at;
        if (at == whole.size())
            return false;
        ++at;
    }
    return true;
}

// count moments spread evenly over first..last, values from a seeded generator.
QVector<QPointF> noisyLine(int count, double first, double last, quint32 seed = 1)
{
    QRandomGenerator random(seed);
    QVector<QPointF> points;
    for (int i = 0; i < count; ++i)
        points.append(QPointF(first + (last - first) * i / std::max(count - 1, 1), random.bounded(100.0)));
    return points;
}

QLineSeries* lineOf(const LineChart& chart)
{
    return qobject_cast<QLineSeries*>(chart.chart()->series().value(0));
}

QDateTimeAxis* dateAxisOf(const LineChart& chart)
{
    return qobject_cast<QDateTimeAxis*>(chart.chart()->axes(Qt::Horizontal).value(0));
}

qreal msecsOf(double days)
{
    return qreal(DateTime(days).toQDateTime().toMSecsSinceEpoch());
}

bool isAscending(const QVector<QPointF>& points)
{
    return std::is_sorted(points.begin(), points.end(),
                          [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
}

bool looksLike(const QColor& color, int red, int green, int blue)
{
    return std::abs(color.red() - red) <= 3 && std::abs(color.green() - green) <= 3 &&
           std::abs(color.blue() - blue) <= 3;
}

// A chart on screen (offscreen), laid out at its size.
void showAt(LineChart& chart, const QSize& size)
{
    chart.resize(size);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
}

// What is wrong with the points a chart handed to its line; empty when nothing is.
QString drawnProblem(const LineChart& chart)
{
    const int plotWidth = int(chart.chart()->plotArea().width());
    if (chart.drawnColumns() < plotWidth || chart.drawnColumns() > plotWidth + 1)
        return QStringLiteral("%1 columns for a plot %2 wide").arg(chart.drawnColumns()).arg(plotWidth);
    const QVector<QPointF>& drawn = chart.drawnPoints();
    if (drawn.size() > ChartDecimator::kPointsPerColumn * chart.drawnColumns() + 2)
        return QStringLiteral("%1 points over %2 columns").arg(drawn.size()).arg(chart.drawnColumns());
    if (lineOf(chart)->count() != drawn.size())
        return QStringLiteral("the line has %1 points, not %2").arg(lineOf(chart)->count()).arg(drawn.size());
    if (!isSubsequence(drawn, chart.points()))
        return QStringLiteral("drawn points that are not the chart's, or out of order");
    // Inside the visible range but for one neighbour at each end.
    const ChartAxisRange& x = chart.range().axis(ChartAxis::Bottom);
    for (qsizetype i = 1; i + 1 < drawn.size(); ++i) {
        if (drawn[i].x() < x.min || drawn[i].x() > x.max)
            return QStringLiteral("point %1 at %2 is outside %3..%4").arg(i).arg(drawn[i].x()).arg(x.min).arg(x.max);
    }
    return QString();
}

#define VERIFY_DRAWN(chart)                                                                                            \
    do {                                                                                                               \
        const QString problem_ = drawnProblem(chart);                                                                  \
        QVERIFY2(problem_.isEmpty(), qPrintable(problem_));                                                            \
    } while (false)

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

// Moments 100..200, values 0..50: the numbers below can be followed by hand.
ChartRange hundredDaysFiftyUnits()
{
    ChartRange range;
    range.setDataExtent(100, 200, 0, 50);
    return range;
}
} // namespace

// Compares an axis's shown range, naming the axis and both ranges on failure.
#define COMPARE_AXIS(range, which, lo, hi)                                                                             \
    do {                                                                                                               \
        const ChartAxisRange& shown_ = (range).axis(which);                                                            \
        const double lo_ = (lo), hi_ = (hi);                                                                           \
        QVERIFY2(near(shown_.min, lo_) && near(shown_.max, hi_),                                                       \
                 qPrintable(QStringLiteral("axis %1 shows %2..%3, expected %4..%5")                                    \
                                .arg(int(which))                                                                       \
                                .arg(shown_.min, 0, 'g', 17)                                                           \
                                .arg(shown_.max, 0, 'g', 17)                                                           \
                                .arg(lo_, 0, 'g', 17)                                                                  \
                                .arg(hi_, 0, 'g', 17)));                                                               \
    } while (false)

// The line chart of the measurement history: its zoom, reset and shift
// arithmetic, the thinning of many points, the control, and the enlarged
// chart window.
class ChartTest : public QObject {
    Q_OBJECT

    // The enlarged chart's picture travels through the current folder: a fresh one per test.
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;

    static int graphFormCount()
    {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            count += qobject_cast<TGraphForm*>(w) != nullptr;
        return count;
    }
    static bool pictureFileExists() { return QFileInfo::exists(QDir::current().filePath("tmpgraph.bmp")); }

private Q_SLOTS:
    void init()
    {
        m_previousFolder = QDir::currentPath();
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        QVERIFY(QDir::setCurrent(m_folder->path()));
    }
    void cleanup()
    {
        // Windows a failed test left open would count in the next one.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<TGraphForm*>(w))
                delete w;
        }
        QDir::setCurrent(m_previousFolder);
        m_folder.reset();
    }

    // --- Range arithmetic ---

    void zoom_data()
    {
        QTest::addColumn<QList<double>>("percents");
        QTest::addColumn<double>("xMin");
        QTest::addColumn<double>("xMax");
        QTest::addColumn<double>("yMin");
        QTest::addColumn<double>("yMax");
        QTest::newRow("110 takes a tenth off each end") << QList<double>{110} << 110.0 << 190.0 << 5.0 << 45.0;
        QTest::newRow("110 twice leaves 0.64") << QList<double>{110, 110} << 118.0 << 182.0 << 9.0 << 41.0;
        QTest::newRow("90 adds a tenth at each end") << QList<double>{90} << 90.0 << 210.0 << -5.0 << 55.0;
        QTest::newRow("90 then 110 works on the widened range")
            << QList<double>{90, 110} << 102.0 << 198.0 << 1.0 << 49.0;
        QTest::newRow("100 keeps the range") << QList<double>{100} << 100.0 << 200.0 << 0.0 << 50.0;
    }
    void zoom()
    {
        QFETCH(QList<double>, percents);
        QFETCH(double, xMin);
        QFETCH(double, xMax);
        QFETCH(double, yMin);
        QFETCH(double, yMax);
        ChartRange range = hundredDaysFiftyUnits();
        for (double percent : percents)
            range.zoom(percent);
        for (ChartAxis a : kAxes) {
            if (isHorizontal(a))
                COMPARE_AXIS(range, a, xMin, xMax);
            else
                COMPARE_AXIS(range, a, yMin, yMax);
            QVERIFY(!range.axis(a).automatic);
        }
    }

    void shift_data()
    {
        QTest::addColumn<double>("zoomFirst");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<double>("percent");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::newRow("later") << 100.0 << true << 5.0 << 105.0 << 205.0;
        QTest::newRow("earlier") << 100.0 << true << -5.0 << 95.0 << 195.0;
        QTest::newRow("higher") << 100.0 << false << 5.0 << 2.5 << 52.5;
        QTest::newRow("lower") << 100.0 << false << -5.0 << -2.5 << 47.5;
        QTest::newRow("later, by 5 % of the zoomed range") << 110.0 << true << 5.0 << 114.0 << 194.0;
        QTest::newRow("lower, by 5 % of the widened range") << 90.0 << false << -5.0 << -8.0 << 52.0;
    }
    void shift()
    {
        QFETCH(double, zoomFirst);
        QFETCH(bool, horizontal);
        QFETCH(double, percent);
        QFETCH(double, min);
        QFETCH(double, max);
        ChartRange range = hundredDaysFiftyUnits();
        range.zoom(zoomFirst);
        const ChartRange before = range;
        if (horizontal)
            range.shiftHorizontal(percent);
        else
            range.shiftVertical(percent);
        for (ChartAxis a : kAxes) {
            if (isHorizontal(a) == horizontal) {
                COMPARE_AXIS(range, a, min, max);
                QVERIFY(!range.axis(a).automatic);
            } else {
                QCOMPARE(range.axis(a), before.axis(a));
            }
        }
    }

    void fixedAxesKeepTheirRangeWhenTheDataChanges()
    {
        ChartRange range = hundredDaysFiftyUnits();
        range.shiftHorizontal(5);
        range.setDataExtent(300, 400, 10, 20);
        COMPARE_AXIS(range, ChartAxis::Bottom, 105, 205);
        COMPARE_AXIS(range, ChartAxis::Top, 105, 205);
        COMPARE_AXIS(range, ChartAxis::Left, 10, 20);
        COMPARE_AXIS(range, ChartAxis::Right, 10, 20);
        QVERIFY(range.axis(ChartAxis::Left).automatic);
    }

    void resetThenWidenShowsTheDataWithMargins()
    {
        ChartRange range = hundredDaysFiftyUnits();
        range.zoom(110);
        range.shiftHorizontal(5);
        range.shiftVertical(-5);
        range.setDataExtent(100, 300, 0, 60);
        range.reset();
        for (ChartAxis a : kAxes)
            QVERIFY(range.axis(a).automatic);
        COMPARE_AXIS(range, ChartAxis::Bottom, 100, 300);
        COMPARE_AXIS(range, ChartAxis::Right, 0, 60);
        range.zoom(90);
        COMPARE_AXIS(range, ChartAxis::Bottom, 80, 320);
        COMPARE_AXIS(range, ChartAxis::Top, 80, 320);
        COMPARE_AXIS(range, ChartAxis::Left, -6, 66);
        COMPARE_AXIS(range, ChartAxis::Right, -6, 66);
    }

    // Data with no extent along an axis still gets a range that zooms.
    void degenerateData_data()
    {
        QTest::addColumn<bool>("hasData");
        QTest::addColumn<QPointF>("lowest");
        QTest::addColumn<QPointF>("highest");
        QTest::addColumn<double>("xMin");
        QTest::addColumn<double>("xMax");
        QTest::addColumn<double>("yMin");
        QTest::addColumn<double>("yMax");
        QTest::newRow("one measurement: a day around it, 5 % of the value")
            << true << QPointF(45000.25, 8.2) << QPointF(45000.25, 8.2) << 44999.75 << 45000.75 << 7.79 << 8.61;
        QTest::newRow("a value that never changed")
            << true << QPointF(45000, 420) << QPointF(45010, 420) << 45000.0 << 45010.0 << 399.0 << 441.0;
        QTest::newRow("a negative value")
            << true << QPointF(45000, -4) << QPointF(45010, -4) << 45000.0 << 45010.0 << -4.2 << -3.8;
        QTest::newRow("a value of 0: half a unit")
            << true << QPointF(45000, 0) << QPointF(45010, 0) << 45000.0 << 45010.0 << -0.5 << 0.5;
        QTest::newRow("a value too small for 5 %")
            << true << QPointF(45000, 5e-324) << QPointF(45010, 5e-324) << 45000.0 << 45010.0 << -0.5 << 0.5;
        QTest::newRow("no points") << false << QPointF() << QPointF() << 0.0 << 1.0 << 0.0 << 1.0;
    }
    void degenerateData()
    {
        QFETCH(bool, hasData);
        QFETCH(QPointF, lowest);
        QFETCH(QPointF, highest);
        QFETCH(double, xMin);
        QFETCH(double, xMax);
        QFETCH(double, yMin);
        QFETCH(double, yMax);
        ChartRange range = hundredDaysFiftyUnits();
        if (hasData)
            range.setDataExtent(lowest.x(), highest.x(), lowest.y(), highest.y());
        else
            range.clearData();
        QCOMPARE(range.hasData(), hasData);
        COMPARE_AXIS(range, ChartAxis::Bottom, xMin, xMax);
        COMPARE_AXIS(range, ChartAxis::Left, yMin, yMax);
        range.zoom(110);
        range.zoom(90);
        for (ChartAxis a : kAxes)
            QVERIFY(range.axis(a).min < range.axis(a).max);
    }

    // A step that would leave nothing, or nothing sensible, to show is refused.
    void refusedSteps_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<double>("percent");
        QTest::newRow("zoom 200 leaves nothing") << "zoom" << 200.0;
        QTest::newRow("zoom 250 turns the range round") << "zoom" << 250.0;
        QTest::newRow("zoom by NaN") << "zoom" << kNaN;
        QTest::newRow("zoom by infinity") << "zoom" << kInf;
        QTest::newRow("shift by NaN") << "horizontal" << kNaN;
        QTest::newRow("shift by infinity") << "vertical" << kInf;
        QTest::newRow("shift past the horizontal limit") << "horizontal" << 150.0;
        QTest::newRow("shift past the vertical limit") << "vertical" << -50.0;
        QTest::newRow("zoom narrower than allowed") << "zoom" << 149.5;
        QTest::newRow("zoom wider than the limits") << "zoom" << 40.0;
    }
    void refusedSteps()
    {
        QFETCH(QString, step);
        QFETCH(double, percent);
        ChartRange range = hundredDaysFiftyUnits();
        range.setHorizontalLimits(50, 250, 2);
        range.setVerticalLimits(-20, 70, 2);
        const ChartRange before = range;
        if (step == QLatin1String("zoom"))
            range.zoom(percent);
        else if (step == QLatin1String("horizontal"))
            range.shiftHorizontal(percent);
        else
            range.shiftVertical(percent);
        for (ChartAxis a : kAxes)
            QCOMPARE(range.axis(a), before.axis(a));
    }

    void repeatedZoomNeitherCollapsesNorOverflows()
    {
        ChartRange range = hundredDaysFiftyUnits();
        for (int i = 0; i < 1000; ++i)
            range.zoom(110);
        for (ChartAxis a : kAxes)
            QVERIFY(range.axis(a).min < range.axis(a).max);
        range.reset();
        for (int i = 0; i < 10000; ++i)
            range.zoom(90);
        for (ChartAxis a : kAxes)
            QVERIFY(std::isfinite(range.axis(a).span()));
    }

    // --- Thinning ---

    void decimation_data()
    {
        QTest::addColumn<QVector<QPointF>>("points");
        QTest::addColumn<double>("xMin");
        QTest::addColumn<double>("xMax");
        QTest::addColumn<int>("columns");

        QTest::newRow("noise") << noisyLine(1000, 0, 20) << 0.0 << 20.0 << 20;
        QVector<QPointF> rising;
        for (int i = 0; i < 1000; ++i)
            rising.append(QPointF(i, i));
        QTest::newRow("rising: first and last are the extremes") << rising << 0.0 << 999.0 << 10;
        QVector<QPointF> spikes(1000);
        for (int i = 0; i < 1000; ++i)
            spikes[i] = QPointF(i / 10.0, i == 537 ? 100.0 : i == 538 ? -100.0 : 0.0);
        QTest::newRow("a spike and a dip side by side") << spikes << 0.0 << 100.0 << 10;
        QTest::newRow("fewer points than columns") << noisyLine(10, 0, 9) << 0.0 << 9.0 << 100;
        QTest::newRow("zoomed in: neighbours outside kept") << noisyLine(1000, 0, 100) << 30.05 << 60.05 << 10;
        QTest::newRow("all points before the visible range") << noisyLine(50, 0, 10) << 20.0 << 30.0 << 10;
        QTest::newRow("all points after the visible range") << noisyLine(50, 40, 50) << 20.0 << 30.0 << 10;
        QTest::newRow("ten years, one point every 53 minutes")
            << noisyLine(100000, 43831, 43831 + 3652) << 43831.0 << 43831.0 + 3652 << 700;
        QTest::newRow("no points") << QVector<QPointF>() << 0.0 << 1.0 << 10;
    }
    void decimation()
    {
        QFETCH(QVector<QPointF>, points);
        QFETCH(double, xMin);
        QFETCH(double, xMax);
        QFETCH(int, columns);
        const QVector<QPointF> kept = ChartDecimator::decimate(points, xMin, xMax, columns);
        QVERIFY(isSubsequence(kept, points));

        // Outside the visible range: only the nearest point at each end.
        QVector<QPointF> visible;
        const QPointF* before = nullptr;
        const QPointF* after = nullptr;
        for (const QPointF& p : points) {
            if (p.x() < xMin)
                before = &p;
            else if (p.x() > xMax && !after)
                after = &p;
            else if (p.x() >= xMin && p.x() <= xMax)
                visible.append(p);
        }
        QVector<QPointF> keptVisible = kept;
        if (before) {
            QVERIFY(!kept.isEmpty());
            QCOMPARE(kept.front(), *before);
            keptVisible.removeFirst();
        }
        if (after) {
            QVERIFY(!keptVisible.isEmpty());
            QCOMPARE(keptVisible.back(), *after);
            keptVisible.removeLast();
        }
        for (const QPointF& p : keptVisible)
            QVERIFY(p.x() >= xMin && p.x() <= xMax);

        // Per pixel column: first, last, lowest and highest kept, at most four in all.
        QVector<QVector<QPointF>> inColumn(columns), keptInColumn(columns);
        const auto columnOf = [&](double x) {
            return std::clamp(int(std::floor((x - xMin) / (xMax - xMin) * columns)), 0, columns - 1);
        };
        for (const QPointF& p : visible)
            inColumn[columnOf(p.x())].append(p);
        for (const QPointF& p : keptVisible)
            keptInColumn[columnOf(p.x())].append(p);
        for (int c = 0; c < columns; ++c) {
            const QVector<QPointF>& all = inColumn[c];
            const QVector<QPointF>& drawn = keptInColumn[c];
            QVERIFY(drawn.size() <= ChartDecimator::kPointsPerColumn);
            if (all.isEmpty()) {
                QVERIFY(drawn.isEmpty());
                continue;
            }
            if (all.size() <= 2)
                QCOMPARE(drawn, all);
            QCOMPARE(drawn.front(), all.front());
            QCOMPARE(drawn.back(), all.back());
            const auto byY = [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); };
            QCOMPARE(std::min_element(drawn.begin(), drawn.end(), byY)->y(),
                     std::min_element(all.begin(), all.end(), byY)->y());
            QCOMPARE(std::max_element(drawn.begin(), drawn.end(), byY)->y(),
                     std::max_element(all.begin(), all.end(), byY)->y());
        }
    }

    // --- The chart control ---

    void chart_drawsInTimeOrder_data()
    {
        QTest::addColumn<QVector<QPointF>>("input");
        QTest::addColumn<QVector<QPointF>>("inOrder");
        const QPointF a(45000.5, 8.1), b(45001.25, 8.3), c(45003, 7.9), d(45010, 8.0);
        QTest::newRow("newest first, as the history lists them")
            << QVector<QPointF>{d, c, b, a} << QVector<QPointF>{a, b, c, d};
        QTest::newRow("any order") << QVector<QPointF>{c, a, d, b} << QVector<QPointF>{a, b, c, d};
        QTest::newRow("already in order") << QVector<QPointF>{a, b, c, d} << QVector<QPointF>{a, b, c, d};
        const QPointF sameMoment(c.x(), 9.0);
        QTest::newRow("two at one moment keep their order")
            << QVector<QPointF>{a, sameMoment, c, b} << QVector<QPointF>{a, b, sameMoment, c};
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("what cannot be drawn is left out")
            << QVector<QPointF>{d, QPointF(nan, 1), QPointF(45002, nan), QPointF(45002, kInf),
                                c, QPointF(3e6, 1), QPointF(-kInf, 1),   a}
            << QVector<QPointF>{a, c, d};
        QTest::newRow("nothing") << QVector<QPointF>() << QVector<QPointF>();
    }
    void chart_drawsInTimeOrder()
    {
        QFETCH(QVector<QPointF>, input);
        QFETCH(QVector<QPointF>, inOrder);
        LineChart chart;
        chart.resize(600, 300);
        chart.setPoints(input);
        QCOMPARE(chart.points(), inOrder);
        // Few points: every one reaches the line, as moments on the date axis.
        const QList<QPointF> onLine = lineOf(chart)->points();
        QCOMPARE(onLine.size(), inOrder.size());
        for (qsizetype i = 0; i < onLine.size(); ++i)
            QCOMPARE(onLine[i], QPointF(msecsOf(inOrder[i].x()), inOrder[i].y()));
        if (!inOrder.isEmpty()) {
            QCOMPARE(dateAxisOf(chart)->min(), DateTime(inOrder.front().x()).toQDateTime());
            QCOMPARE(dateAxisOf(chart)->max(), DateTime(inOrder.back().x()).toQDateTime());
        }
    }

    void chart_drawsNoMoreThanThePlotShows()
    {
        LineChart chart;
        QVector<QPointF> tenYears = noisyLine(100000, 43831, 43831 + 3652);
        std::reverse(tenYears.begin(), tenYears.end());
        chart.setPoints(tenYears);
        showAt(chart, QSize(800, 300));
        QVERIFY(isAscending(chart.points()));

        VERIFY_DRAWN(chart);
        const int wide = chart.drawnColumns();
        QVERIFY(wide > 600);

        chart.resize(400, 300);
        QTRY_VERIFY(chart.drawnColumns() < wide);
        VERIFY_DRAWN(chart);

        // Earlier: the last 5 % of the points leave the view, the nearest of them still drawn.
        chart.shiftHorizontal(-5);
        VERIFY_DRAWN(chart);
        QVERIFY(chart.drawnPoints().back().x() > chart.range().axis(ChartAxis::Bottom).max);

        // Zoomed in to a fortnight, there is room for every point there.
        for (int i = 0; i < 25; ++i) {
            chart.zoom(110);
            VERIFY_DRAWN(chart);
        }
        const ChartAxisRange& x = chart.range().axis(ChartAxis::Bottom);
        QVERIFY(x.span() < 15);
        const auto visible = std::count_if(chart.points().begin(), chart.points().end(),
                                           [&](const QPointF& p) { return p.x() >= x.min && p.x() <= x.max; });
        QCOMPARE(chart.drawnPoints().size(), visible + 2);
    }

    void chart_followsItsDataSet()
    {
        FreshDatabase fresh;
        QVERIFY(fresh.isValid());
        Database db(fresh.path());
        const auto measure = [&](int id, int parameter, const QString& value, double when) {
            db.execute(QStringLiteral("INSERT INTO MEASURES (ID, REF_P_TYPE, \"VALUE\", \"WHEN\", \"COMMENT\") "
                                      "VALUES (%1, %2, %3, %4, '')")
                           .arg(id)
                           .arg(parameter)
                           .arg(value)
                           .arg(when, 0, 'f', 6));
        };
        measure(1, 1, QStringLiteral("8.1"), 45000.25);
        measure(2, 1, QStringLiteral("8.3"), 45002.5);
        measure(3, 1, QStringLiteral("NULL"), 45003);
        measure(4, 1, QStringLiteral("7.9"), 45001);
        measure(5, 2, QStringLiteral("420"), 45001);

        DataSet history(db, QStringLiteral("MeasuresQuery"), QString::fromUtf8(ParameterSql::MeasuresQuery));
        history.setParam(QStringLiteral("REF_P_TYPE"), 1);
        history.setParam(QStringLiteral("FROMDATE"), DateTime(0));
        history.setParam(QStringLiteral("TODATE"), DateTime(2958467.0083333333));
        history.open();
        LineChart chart;
        chart.bindTo(&history, QStringLiteral("WHEN"), QStringLiteral("VALUE"));
        const QVector<QPointF> first{{45000.25, 8.1}, {45001, 7.9}, {45002.5, 8.3}};
        QCOMPARE(chart.points(), first);

        measure(6, 1, QStringLiteral("8.0"), 45004);
        history.reopen();
        QCOMPARE(chart.points().size(), 4);
        QCOMPARE(chart.points().back(), QPointF(45004, 8.0));

        history.setParam(QStringLiteral("REF_P_TYPE"), 2);
        history.reopen();
        QCOMPARE(chart.points(), QVector<QPointF>{QPointF(45001, 420)});
        history.close();
        QVERIFY(chart.points().isEmpty());

        chart.bindTo(nullptr, QString(), QString());
        history.open();
        QVERIFY(chart.points().isEmpty());

        // A data set that goes first leaves the chart usable.
        auto shortLived =
            std::make_unique<DataSet>(db, QStringLiteral("Other"), QString::fromUtf8(ParameterSql::MeasuresQuery));
        chart.bindTo(shortLived.get(), QStringLiteral("WHEN"), QStringLiteral("VALUE"));
        shortLived.reset();
        chart.setPoints(first);
        QCOMPARE(chart.points(), first);
    }

    void chart_title()
    {
        LineChart chart;
        QCOMPARE(chart.title(), QStringLiteral("Reef"));
        chart.setTitle(QStringLiteral("pH"));
        QCOMPARE(chart.title(), QStringLiteral("pH"));
        QCOMPARE(chart.chart()->title(), QStringLiteral("pH"));
    }

    void chart_renderToImage_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("shown");
        QTest::newRow("the chart's own size") << QSize(600, 300) << true;
        QTest::newRow("larger") << QSize(900, 450) << true;
        QTest::newRow("never shown") << QSize(600, 300) << false;
    }
    void chart_renderToImage()
    {
        QFETCH(QSize, size);
        QFETCH(bool, shown);
        LineChart chart;
        chart.setPoints(noisyLine(50, 45000, 45100));
        if (shown)
            showAt(chart, QSize(600, 300));
        else
            chart.resize(600, 300);
        const QImage image = chart.renderToImage(size);
        QCOMPARE(image.size(), size);
        // The background starts from (138, 138, 255) at the top.
        QVERIFY(looksLike(image.pixelColor(2, 2), 138, 138, 255));
        QVERIFY(!looksLike(image.pixelColor(2, size.height() - 3), 138, 138, 255));
        // The line runs across the whole plot.
        int redLeft = 0, redRight = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (looksLike(image.pixelColor(x, y), 255, 0, 0))
                    ++(x < image.width() / 2 ? redLeft : redRight);
            }
        }
        QVERIFY2(redLeft > 100 && redRight > 100, qPrintable(QStringLiteral("%1 %2").arg(redLeft).arg(redRight)));
    }

    void chart_doubleClickIsSignalled()
    {
        LineChart chart;
        showAt(chart, QSize(400, 200));
        QSignalSpy spy(&chart, &LineChart::doubleClicked);
        QTest::mouseDClick(chart.view()->viewport(), Qt::LeftButton, {}, QPoint(200, 100));
        QCOMPARE(spy.count(), 1);
    }

    // However often the buttons are clicked, the date axis shows real dates in order.
    void chart_repeatedZoomKeepsTheDateAxisUsable_data()
    {
        QTest::addColumn<double>("percent");
        QTest::newRow("narrower") << 110.0;
        QTest::newRow("wider") << 90.0;
    }
    void chart_repeatedZoomKeepsTheDateAxisUsable()
    {
        QFETCH(double, percent);
        LineChart chart;
        chart.setPoints(noisyLine(30, 45000, 45030));
        for (int i = 0; i < 400; ++i)
            chart.zoom(percent);
        const QDateTimeAxis* axis = dateAxisOf(chart);
        QVERIFY(axis->min().isValid() && axis->max().isValid());
        QVERIFY(axis->min() < axis->max());
        QVERIFY(axis->min().date().year() >= 1 && axis->max().date().year() <= 9999);
    }

    // --- The enlarged chart ---

    void enlarged_eachOpeningIsAWindowOfItsOwn()
    {
        LineChart chart;
        chart.setTitle(QStringLiteral("pH"));
        chart.setPoints(noisyLine(40, 45000, 45060));
        showAt(chart, QSize(520, 260));
        QWidget owner;

        QPointer<TGraphForm> first = TGraphForm::openEnlarged(chart, QStringLiteral("pH"), nullptr);
        QVERIFY(first);
        QVERIFY(!pictureFileExists());
        QPointer<TGraphForm> second = TGraphForm::openEnlarged(chart, QStringLiteral("pH"), &owner);
        QVERIFY(second);
        QVERIFY(first != second);
        QVERIFY(!pictureFileExists());
        QCOMPARE(graphFormCount(), 2);
        QCOMPARE(second->parentWidget(), &owner);

        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (TGraphForm* form : {first.data(), second.data()}) {
            QVERIFY(form->isVisible());
            QVERIFY(form->isWindow());
            QVERIFY(!form->isModal());
            QCOMPARE(form->windowTitle(), QStringLiteral("pH"));
            QCOMPARE(form->size(), chart.size() + QSize(2, 28));
            QCOMPARE(form->minimumSize(), form->maximumSize());
            QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
            QVERIFY(form->windowFlags() & Qt::WindowSystemMenuHint);
            QVERIFY2((form->frameGeometry().center() - screen.center()).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1,%2 %3x%4 on %5,%6 %7x%8")
                                    .arg(form->x())
                                    .arg(form->y())
                                    .arg(form->frameGeometry().width())
                                    .arg(form->frameGeometry().height())
                                    .arg(screen.x())
                                    .arg(screen.y())
                                    .arg(screen.width())
                                    .arg(screen.height())));
            // The picture is the chart as drawn.
            const QImage picture = form->Image1->pixmap().toImage();
            QCOMPARE(picture.size(), chart.size());
            QVERIFY(looksLike(picture.pixelColor(2, 2), 138, 138, 255));
        }

        // Closing releases the window.
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(second);
        second->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!second);
        QVERIFY(QDir::current().isEmpty());
    }

    void enlarged_windowLoadsAndDeletesThePictureFile()
    {
        QImage green(120, 80, QImage::Format_RGB32);
        green.fill(QColor(0, 160, 0));
        QVERIFY(green.save(TGraphForm::pictureFilePath(), "BMP"));
        TGraphForm form(QStringLiteral("Ca"), QSize(120, 80));
        QVERIFY(!pictureFileExists());
        QVERIFY(form.hasPicture());
        QCOMPARE(form.Image1->size(), QSize(120, 80));
        QCOMPARE(form.Image1->pixmap().toImage().pixelColor(60, 40), QColor(0, 160, 0));
        QCOMPARE(form.size(), QSize(122, 108));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::black));

        // No file: an empty window, and no crash.
        TGraphForm empty(QStringLiteral("Ca"), QSize(120, 80));
        QVERIFY(!empty.hasPicture());
    }

    void enlarged_pictureThatCannotBeWrittenShowsNothing_data()
    {
        QTest::addColumn<bool>("folderInTheWay");
        QTest::addColumn<QSize>("chartSize");
        QTest::newRow("a folder of that name") << true << QSize(400, 200);
        QTest::newRow("a chart with no size") << false << QSize(0, 0);
    }
    void enlarged_pictureThatCannotBeWrittenShowsNothing()
    {
        QFETCH(bool, folderInTheWay);
        QFETCH(QSize, chartSize);
        if (folderInTheWay)
            QVERIFY(QDir::current().mkdir(QStringLiteral("tmpgraph.bmp")));
        LineChart chart;
        chart.setPoints(noisyLine(40, 45000, 45060));
        chart.resize(chartSize);
        QCOMPARE(TGraphForm::openEnlarged(chart, QStringLiteral("pH"), nullptr), nullptr);
        QCOMPARE(graphFormCount(), 0);
        QCOMPARE(QFileInfo(TGraphForm::pictureFilePath()).isFile(), false);
    }
};

QTEST_MAIN(ChartTest)
#include "ChartTest.moc"
