#pragma once

#include "controls/ChartRange.h"

#include <QPointF>
#include <QPointer>
#include <QVector>
#include <QWidget>

class DataSet;
class QChart;
class QChartView;
class QDateTimeAxis;
class QImage;
class QLineSeries;
class QValueAxis;

// A line chart of values over time: one red line through points marked by
// small circles, moments along the bottom, values up the left side. The line
// runs in time order whatever order the points come in. Zoom and shift work
// on the shown ranges through ChartRange.
//
// However many points there are, only what the plot can show is drawn: each
// pixel column of the visible range keeps at most four points (ChartDecimator),
// thinned again whenever the visible range or the plot's width changes, so a
// redraw costs about the same for ten years of measurements as for a month.
class LineChart : public QWidget {
    Q_OBJECT
public:
    explicit LineChart(QWidget* parent = nullptr);
    ~LineChart() override;

    QString title() const;
    void setTitle(const QString& title);

    // x: the moment in days since 1899-12-30, y: the value; any order.
    // Points with a coordinate that is not finite are left out.
    void setPoints(QVector<QPointF> points);
    // The points in time order.
    const QVector<QPointF>& points() const { return m_points; }

    // Draws the rows of a data set, reading them again after every open,
    // close and re-open. Rows with no value in either field are left out.
    // nullptr unbinds (and leaves the points as they are).
    void bindTo(DataSet* dataSet, const QString& xField, const QString& yField);

    const ChartRange& range() const { return m_range; }
    // The points actually handed to the line, in days; a subset of points().
    const QVector<QPointF>& drawnPoints() const { return m_drawn; }
    // Pixel columns the points were last thinned to.
    int drawnColumns() const { return m_columns; }

    // The chart as shown, scaled to the size, on white.
    QImage renderToImage(const QSize& size);

    QChart* chart() const { return m_chart; }
    QChartView* view() const { return m_view; }

public Q_SLOTS:
    void zoom(double percent);
    // Every axis back to automatic over the data.
    void resetZoom();
    // Reset and then zoom by a percentage, drawn once.
    void resetAndZoom(double percent);
    void shiftHorizontal(double percent);
    void shiftVertical(double percent);

Q_SIGNALS:
    void doubleClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readDataSet();
    void applyAxes();
    void redraw();
    int plotColumns() const;

    QChartView* m_view;
    QChart* m_chart;
    QLineSeries* m_series;
    QDateTimeAxis* m_xAxis;
    QValueAxis* m_yAxis;

    QVector<QPointF> m_points;
    QVector<QPointF> m_drawn;
    int m_columns = 0;
    ChartRange m_range;

    QPointer<DataSet> m_dataSet;
    QString m_xField, m_yField;
};
