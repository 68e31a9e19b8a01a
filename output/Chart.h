#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

namespace verdeval {

// One series of a chart: a line or vertical bars, with its legend title, colour and axis, and
// an ordered list of points (X, Y, label). The operations keep the names the modules use.
class ChartSeries
{
public:
    enum class Kind { Line, Bar };
    enum class Axis { Left, Right };
    struct Point {
        double x;
        double y;
        QString label;
    };

    ChartSeries(const QString &name, Kind kind, const QString &title, const QColor &color, Axis axis);

    const QString &name() const { return m_name; }
    const QString &title() const { return m_title; }
    Kind kind() const { return m_kind; }
    Axis axis() const { return m_axis; }
    QColor color() const { return m_color; }

    // Removes all points; kind, title, colour and axis stay.
    void Clear();
    void setMarksVisible(bool visible) { m_marksVisible = visible; }
    bool marksVisible() const { return m_marksVisible; }
    // X values are day counts from 30 December 1899 (166 is 15 June 1900).
    void setDateTime(bool dateTime) { m_dateTime = dateTime; }
    bool isDateTime() const { return m_dateTime; }
    // Appends a point with the given X.
    void AddXY(double x, double y, const QString &label = QString());
    // Appends a point whose X is its ordinal (0 for the first).
    void Add(double y, const QString &label = QString());

    const std::vector<Point> &points() const { return m_points; }
    QList<double> yValues() const;
    // The points as shown: "x:y" pairs with y in the general number format, for tests.
    QString describe() const;

    // Appearance.
    void setPen(int width, Qt::PenStyle style = Qt::SolidLine) { m_width = width; m_penStyle = style; }
    void setPointMarkers(bool on, qreal size = 7) { m_markers = on; m_markerSize = size; }
    void setBarWidthPercent(int percent) { m_barPercent = percent; }
    int width() const { return m_width; }
    Qt::PenStyle penStyle() const { return m_penStyle; }
    bool pointMarkers() const { return m_markers; }
    qreal markerSize() const { return m_markerSize; }
    int barWidthPercent() const { return m_barPercent; }

private:
    friend class Chart;
    QString m_name;
    Kind m_kind;
    QString m_title;
    QColor m_color;
    Axis m_axis;
    bool m_marksVisible = true;
    bool m_dateTime = false;
    std::vector<Point> m_points;
    int m_width = 2;
    Qt::PenStyle m_penStyle = Qt::SolidLine;
    bool m_markers = false;
    qreal m_markerSize = 7;
    int m_barPercent = 70;
    class Chart *m_chart = nullptr;
};

// Settings of one axis of a chart.
struct ChartAxis {
    enum class Labels { Values, Text, DateTime };
    QString title;
    bool automatic = true;
    bool automaticMinimum = true;
    bool automaticMaximum = true;
    double minimum = 0;
    double maximum = 0;
    double increment = 0;         // between labels; 0 = the chart's choice
    Labels labels = Labels::Values;
    QString dateFormat = QStringLiteral("MMM");
    bool visible = false;         // the right axis shows only when a series uses it

    // Fixed range minimum..maximum.
    void setFixed(double min, double max)
    {
        automatic = automaticMinimum = automaticMaximum = false;
        minimum = min;
        maximum = max;
    }
    void setMinimumFixed(double min)
    {
        automatic = false;
        automaticMinimum = false;
        automaticMaximum = true;
        minimum = min;
    }
};

// A chart on a screen or a report page. Title lines, axes, legend and series; the drawing is
// Qt Charts'.
class Chart : public QWidget
{
    Q_OBJECT

public:
    explicit Chart(const QString &name, QWidget *parent = nullptr);
    ~Chart() override;

    // Title.Text: cleared, lines added.
    void titleClear();
    void titleAdd(const QString &line);
    QStringList titleLines() const { return m_titleLines; }
    void setTitleVisible(bool visible);
    void setTitleColor(const QColor &color);

    ChartSeries *addLine(const QString &name, const QString &title, const QColor &color,
                         ChartSeries::Axis axis = ChartSeries::Axis::Left);
    ChartSeries *addBars(const QString &name, const QString &title, const QColor &color, int widthPercent,
                         ChartSeries::Axis axis = ChartSeries::Axis::Left);
    ChartSeries *series(const QString &name) const;
    QList<ChartSeries *> allSeries() const;

    ChartAxis &bottomAxis() { return m_bottom; }
    ChartAxis &leftAxis() { return m_left; }
    ChartAxis &rightAxis() { return m_right; }
    // Bottom axis fixed 0 to 11, labelled with the points' texts (twelve ordinal points).
    void setBottomAxisMonthSlots();

    enum class Legend { Below, Right, Hidden };
    void setLegend(Legend where);
    void setHorizontalGrid(const QColor &color, int width);

    // Brings the drawing up to date with the series and settings.
    void refresh();
    // Paints the chart into the rectangle (report pages); vectors on any paint device.
    void render(QPainter *painter, const QRectF &target);

    void seriesChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    QStringList m_titleLines;
    std::vector<std::unique_ptr<ChartSeries>> m_series;
    ChartAxis m_bottom;
    ChartAxis m_left;
    ChartAxis m_right;
    bool m_dirty = true;
};

} // namespace verdeval
