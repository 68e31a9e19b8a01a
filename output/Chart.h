#pragma once

#include "output/calc/ChartAxis.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

class QAction;
class QPainter;

namespace verdeval {

class Chart;
class Screen;

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
    void setTitle(const QString &title);
    void setColor(const QColor &color);

    // Removes all points; kind, title, colour and axis stay.
    void Clear();
    // Value marks: the value written beside each point. Shown unless hidden.
    void setMarksVisible(bool visible);
    bool marksVisible() const { return m_marksVisible; }
    // X values are day counts from 30 December 1899 (day 166 falls in June 1900, day 531 in
    // June 1901), drawn as dates on the bottom axis.
    void setDateTime(bool dateTime);
    bool isDateTime() const { return m_dateTime; }
    // Appends a point with the given X.
    void AddXY(double x, double y, const QString &label = QString());
    // Appends a point whose X is its ordinal (0 for the first), labelled with the text.
    void Add(double y, const QString &label = QString());

    const std::vector<Point> &points() const { return m_points; }
    QList<double> yValues() const;
    // The points in the order added: "x:y" pairs in the general number format, for tests.
    QString describe() const;

    // Appearance: pen width and style (solid, dashed, dotted, dash-dot...), square point
    // markers of the given size, bar width as a percentage of the slot.
    void setPen(int width, Qt::PenStyle style = Qt::SolidLine);
    void setPointMarkers(bool on, qreal size = 7);
    void setBarWidthPercent(int percent);
    int width() const { return m_width; }
    Qt::PenStyle penStyle() const { return m_penStyle; }
    bool pointMarkers() const { return m_markers; }
    qreal markerSize() const { return m_markerSize; }
    int barWidthPercent() const { return m_barPercent; }

private:
    friend class Chart;
    void changed();

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
    Chart *m_chart = nullptr;
};

namespace chartdrawing {
struct Content;
struct Geometry;
}

// A chart on a screen or a report page: title lines centred above the plot, a bottom axis, left
// and right vertical axes, a legend below or at the side, and an ordered list of line and bar
// series. It keeps no picture of itself: every paint (screen, preview, printer, PDF, saved
// image) draws from the series and settings, as vectors.
//
// Its context menu (right click, or the menu key once it has the focus) offers "Copiar datos"
// (the series as a table on the clipboard) and "Guardar imagen…" (a PNG or PDF file chosen
// through the dialogs of the screen the chart is on).
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
    bool titleVisible() const;
    void setTitleColor(const QColor &color);

    ChartSeries *addLine(const QString &name, const QString &title, const QColor &color,
                         ChartSeries::Axis axis = ChartSeries::Axis::Left);
    ChartSeries *addBars(const QString &name, const QString &title, const QColor &color, int widthPercent,
                         ChartSeries::Axis axis = ChartSeries::Axis::Left);
    // By name, without regard to case; nullptr when there is none.
    ChartSeries *series(const QString &name) const;
    QList<ChartSeries *> allSeries() const;

    ChartAxis &bottomAxis() { return m_bottom; }
    ChartAxis &leftAxis() { return m_left; }
    ChartAxis &rightAxis() { return m_right; }
    // Bottom axis fixed 0 to 11, labelled with the points' texts (twelve ordinal points).
    void setBottomAxisMonthSlots();

    enum class Legend { Below, Right, Hidden };
    void setLegend(Legend where);
    // Horizontal grid lines through the left axis labels in this colour and width.
    void setHorizontalGrid(const QColor &color, int width);

    // Brings the drawing up to date with the series and settings.
    void refresh();
    // Paints the chart into the rectangle of any painter (report pages, PDF, printer).
    void render(QPainter *painter, const QRectF &target);
    void paint(QPainter &painter, const QRectF &target) const;

    // What a drawing of the given size shows (the widget's size when none is given), for
    // tests and for a look at the chart without painting it.
    enum class AxisId { Bottom, Left, Right };
    QStringList axisLabels(AxisId axis, const QSizeF &size = QSizeF()) const;
    QRectF plotArea(const QSizeF &size = QSizeF()) const;
    // Where the points of a series are drawn, in the order added (points without a finite
    // value are left out).
    QList<QPointF> drawnPoints(const ChartSeries *series, const QSizeF &size = QSizeF()) const;

    void seriesChanged();

    // The series as tab-separated text for a spreadsheet, as "Copiar datos" puts it on the
    // clipboard: a header row (the bottom axis title, then each series' title) and one row per
    // X value, read as the bottom axis labels it, with each series' value there.
    QString dataText() const;
    // "Copiar datos": dataText() to the clipboard.
    void copyData();
    // "Guardar imagen…": asks for a file name through the dialogs of the chart's screen and
    // writes the chart there; a file that cannot be written is reported in the standard error
    // box. Does nothing on a chart that is not on a screen.
    void saveImage();
    // Writes the chart as drawn, at its size: a PDF of vectors when the name ends in ".pdf",
    // else an image (PNG when the name has no suffix). False when the file cannot be written.
    bool writeImage(const QString &path) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Impl;
    chartdrawing::Content content() const;
    chartdrawing::Geometry layout(const QRectF &target) const;
    QSizeF effectiveSize(const QSizeF &size) const;
    // The screen the chart is on, whose dialogs it uses; nullptr when it is on none.
    Screen *hostScreen() const;

    std::unique_ptr<Impl> d;
    QStringList m_titleLines;
    std::vector<std::unique_ptr<ChartSeries>> m_series;
    ChartAxis m_bottom;
    ChartAxis m_left;
    ChartAxis m_right;
    QAction *m_copyData = nullptr;
    QAction *m_saveImage = nullptr;
};

} // namespace verdeval
