#include "controls/LineChart.h"

#include "controls/ChartDecimator.h"
#include "data/DataSet.h"
#include "data/DateTime.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QImage>
#include <QLineSeries>
#include <QLinearGradient>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {
// The calendar the date axis can label: 0001-01-01 to the end of 9999-12-31.
constexpr double kFirstDay = -693593.0;
constexpr double kDayAfterLast = 2958466.0;
// Narrower than a second the date axis has nothing left to tell apart.
constexpr double kOneSecond = 1.0 / 86400.0;

const QColor kBackgroundStart(138, 138, 255);

qreal msecsOnAxis(double days)
{
    return qreal(DateTime(days).toQDateTime().toMSecsSinceEpoch());
}

bool isDrawable(const QPointF& p)
{
    return std::isfinite(p.y()) && p.x() >= kFirstDay && p.x() <= kDayAfterLast; // also rejects NaN x
}
} // namespace

LineChart::LineChart(QWidget* parent)
    : QWidget(parent)
    , m_view(new QChartView(this))
    , m_chart(new QChart)
    , m_series(new QLineSeries)
    , m_xAxis(new QDateTimeAxis)
    , m_yAxis(new QValueAxis)
{
    m_chart->setTitle(QStringLiteral("Reef"));
    m_chart->legend()->hide();
    m_chart->setAnimationOptions(QChart::NoAnimation);
    // The background fills the whole control, as the enlarged picture shows it.
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setBackgroundRoundness(0);
    QLinearGradient background(0, 0, 0, 1);
    background.setCoordinateMode(QGradient::ObjectMode);
    background.setColorAt(0, kBackgroundStart);
    background.setColorAt(1, Qt::white);
    m_chart->setBackgroundBrush(background);
    // The plot area lets the background show through.
    m_chart->setPlotAreaBackgroundVisible(false);

    m_series->setColor(Qt::red);
    m_series->setBrush(Qt::red);
    m_series->setPointsVisible(true);
    // Qt draws a line's marks with this as their radius: 3 makes a small circle about 7 pixels across.
    m_series->setMarkerSize(3);
    m_series->setPointLabelsVisible(false);
    m_chart->addSeries(m_series);
    m_xAxis->setFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    m_series->attachAxis(m_xAxis);
    m_series->attachAxis(m_yAxis);

    m_view->setChart(m_chart);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->viewport()->installEventFilter(this);

    m_range.setHorizontalLimits(kFirstDay, kDayAfterLast, kOneSecond);
    // A wider or narrower plot has other pixel columns to fill.
    connect(m_chart, &QChart::plotAreaChanged, this, [this] {
        if (plotColumns() != m_columns)
            redraw();
    });
    applyAxes();
    redraw();
}

LineChart::~LineChart() = default;

QString LineChart::title() const
{
    return m_chart->title();
}

void LineChart::setTitle(const QString& title)
{
    m_chart->setTitle(title);
}

void LineChart::setPoints(QVector<QPointF> points)
{
    points.removeIf([](const QPointF& p) { return !isDrawable(p); });
    const auto earlier = [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); };
    // Lists come newest first: turning them round is linear, sorting is not.
    if (!std::is_sorted(points.cbegin(), points.cend(), earlier)) {
        if (std::is_sorted(points.crbegin(), points.crend(), earlier))
            std::reverse(points.begin(), points.end());
        else
            std::stable_sort(points.begin(), points.end(), earlier);
    }
    m_points = std::move(points);

    if (m_points.isEmpty()) {
        m_range.clearData();
    } else {
        const auto [lowest, highest] = std::minmax_element(
            m_points.cbegin(), m_points.cend(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        m_range.setDataExtent(m_points.front().x(), m_points.back().x(), lowest->y(), highest->y());
    }
    applyAxes();
    redraw();
}

void LineChart::bindTo(DataSet* dataSet, const QString& xField, const QString& yField)
{
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    m_xField = xField;
    m_yField = yField;
    if (!dataSet)
        return;
    connect(dataSet, &DataSet::rowsReset, this, &LineChart::readDataSet);
    readDataSet();
}

void LineChart::readDataSet()
{
    QVector<QPointF> points;
    if (m_dataSet && m_dataSet->isOpen()) {
        const int x = m_dataSet->fieldIndex(m_xField);
        const int y = m_dataSet->fieldIndex(m_yField);
        if (x >= 0 && y >= 0) {
            points.reserve(m_dataSet->count());
            for (int row = 0; row < m_dataSet->count(); ++row) {
                const SqlValue xValue = m_dataSet->valueAt(row, x);
                const SqlValue yValue = m_dataSet->valueAt(row, y);
                if (!SqlValues::isNull(xValue) && !SqlValues::isNull(yValue))
                    points.append(QPointF(SqlValues::toDouble(xValue), SqlValues::toDouble(yValue)));
            }
        }
    }
    setPoints(std::move(points));
}

QImage LineChart::renderToImage(const QSize& size)
{
    if (size.isEmpty() || rect().isEmpty())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size.width()) / width(), qreal(size.height()) / height());
    // QWidget::render lays out a chart that was never shown, which drawing the view alone would not.
    render(&painter);
    return image;
}

void LineChart::zoom(double percent)
{
    m_range.zoom(percent);
    applyAxes();
    redraw();
}

void LineChart::resetZoom()
{
    m_range.reset();
    applyAxes();
    redraw();
}

void LineChart::resetAndZoom(double percent)
{
    m_range.reset();
    m_range.zoom(percent);
    applyAxes();
    redraw();
}

void LineChart::shiftHorizontal(double percent)
{
    m_range.shiftHorizontal(percent);
    applyAxes();
    redraw();
}

void LineChart::shiftVertical(double percent)
{
    m_range.shiftVertical(percent);
    applyAxes();
}

void LineChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
}

bool LineChart::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonDblClick)
        Q_EMIT doubleClicked();
    return QWidget::eventFilter(watched, event);
}

void LineChart::applyAxes()
{
    const ChartAxisRange& x = m_range.axis(ChartAxis::Bottom);
    m_xAxis->setRange(DateTime(x.min).toQDateTime(), DateTime(x.max).toQDateTime());
    const ChartAxisRange& y = m_range.axis(ChartAxis::Left);
    m_yAxis->setRange(y.min, y.max);
}

void LineChart::redraw()
{
    const ChartAxisRange& x = m_range.axis(ChartAxis::Bottom);
    m_columns = plotColumns();
    m_drawn = ChartDecimator::decimate(m_points, x.min, x.max, m_columns);
    QList<QPointF> onAxis;
    onAxis.reserve(m_drawn.size());
    for (const QPointF& p : m_drawn)
        onAxis.append(QPointF(msecsOnAxis(p.x()), p.y()));
    m_series->replace(onAxis);
}

int LineChart::plotColumns() const
{
    // Before the first layout the plot has no width yet; the widget's is close.
    const qreal width = m_chart->plotArea().width() >= 1 ? m_chart->plotArea().width() : this->width();
    return std::max(1, int(std::ceil(width * devicePixelRatioF())));
}
