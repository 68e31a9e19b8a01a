#include "output/Chart.h"

#include "output/ChartDrawing.h"
#include "output/calc/ChartTable.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <cmath>

namespace verdeval {

struct Chart::Impl {
    chartdrawing::Style style;
};

Chart::Chart(const QString &name, QWidget *parent) : QWidget(parent), d(std::make_unique<Impl>())
{
    setObjectName(name);
    setMinimumHeight(220);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab or a click gives the chart the focus, so that the menu key opens its menu.
    setFocusPolicy(Qt::StrongFocus);
    m_left.visible = true;
    m_bottom.visible = true;

    m_copyData = new QAction(QStringLiteral("Copiar datos"), this);
    m_copyData->setObjectName(QStringLiteral("ActCopiarDatos"));
    connect(m_copyData, &QAction::triggered, this, &Chart::copyData);
    m_saveImage = new QAction(QStringLiteral("Guardar imagen…"), this);
    m_saveImage->setObjectName(QStringLiteral("ActGuardarImagen"));
    connect(m_saveImage, &QAction::triggered, this, &Chart::saveImage);
    addAction(m_copyData);
    addAction(m_saveImage);
}

Chart::~Chart() = default;

// ---------------------------------------------------------------------------------------------
// Settings and series

void Chart::titleClear()
{
    m_titleLines.clear();
    seriesChanged();
}

void Chart::titleAdd(const QString &line)
{
    m_titleLines << line;
    seriesChanged();
}

void Chart::setTitleVisible(bool visible)
{
    d->style.titleVisible = visible;
    seriesChanged();
}

bool Chart::titleVisible() const { return d->style.titleVisible; }

void Chart::setTitleColor(const QColor &color)
{
    d->style.titleColor = color;
    seriesChanged();
}

ChartSeries *Chart::addLine(const QString &name, const QString &title, const QColor &color, ChartSeries::Axis axis)
{
    m_series.push_back(std::make_unique<ChartSeries>(name, ChartSeries::Kind::Line, title, color, axis));
    m_series.back()->m_chart = this;
    seriesChanged();
    return m_series.back().get();
}

ChartSeries *Chart::addBars(const QString &name, const QString &title, const QColor &color, int widthPercent,
                            ChartSeries::Axis axis)
{
    m_series.push_back(std::make_unique<ChartSeries>(name, ChartSeries::Kind::Bar, title, color, axis));
    m_series.back()->m_chart = this;
    m_series.back()->setBarWidthPercent(widthPercent);
    seriesChanged();
    return m_series.back().get();
}

ChartSeries *Chart::series(const QString &name) const
{
    for (const auto &s : m_series)
        if (s->name().compare(name, Qt::CaseInsensitive) == 0)
            return s.get();
    return nullptr;
}

QList<ChartSeries *> Chart::allSeries() const
{
    QList<ChartSeries *> out;
    for (const auto &s : m_series)
        out << s.get();
    return out;
}

void Chart::setBottomAxisMonthSlots()
{
    m_bottom.setFixed(0, 11);
    m_bottom.labels = ChartAxis::Labels::Text;
    m_bottom.increment = 1;
    seriesChanged();
}

void Chart::setLegend(Legend where)
{
    d->style.legend = where;
    seriesChanged();
}

void Chart::setHorizontalGrid(const QColor &color, int width)
{
    d->style.gridColor = color;
    d->style.gridWidth = width;
    d->style.gridCustom = true;
    seriesChanged();
}

void Chart::seriesChanged() { update(); }
void Chart::refresh() { update(); }

// ---------------------------------------------------------------------------------------------
// Drawing

chartdrawing::Content Chart::content() const
{
    chartdrawing::Content c;
    c.titleLines = m_titleLines;
    for (const auto &s : m_series)
        c.series.push_back(s.get());
    c.bottom = &m_bottom;
    c.left = &m_left;
    c.right = &m_right;
    c.style = d->style;
    return c;
}

chartdrawing::Geometry Chart::layout(const QRectF &target) const
{
    return chartdrawing::layOut(content(), target);
}

void Chart::paint(QPainter &painter, const QRectF &target) const
{
    const chartdrawing::Content c = content();
    chartdrawing::paint(painter, c, chartdrawing::layOut(c, target));
}

void Chart::render(QPainter *painter, const QRectF &target)
{
    if (painter)
        paint(*painter, target);
}

void Chart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paint(p, QRectF(rect()));
    // The focus shows on screen only, never on paper or in a saved image.
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -3.5, -3.5));
    }
}

void Chart::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void Chart::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

QSizeF Chart::effectiveSize(const QSizeF &size) const
{
    if (!size.isEmpty())
        return size;
    if (width() >= 200 && height() >= 150)
        return QSizeF(this->size());
    return QSizeF(640, 360);
}

QRectF Chart::plotArea(const QSizeF &size) const
{
    return layout(QRectF(QPointF(0, 0), effectiveSize(size))).plot;
}

QStringList Chart::axisLabels(AxisId axis, const QSizeF &size) const
{
    const chartdrawing::Geometry g = layout(QRectF(QPointF(0, 0), effectiveSize(size)));
    const std::vector<chartscale::Tick> &ticks = axis == AxisId::Bottom ? g.bottom.ticks
                                               : axis == AxisId::Left   ? g.left.scale.ticks
                                                                        : g.right.scale.ticks;
    QStringList out;
    for (const chartscale::Tick &t : ticks)
        out << t.text;
    return out;
}

QList<QPointF> Chart::drawnPoints(const ChartSeries *series, const QSizeF &size) const
{
    QList<QPointF> out;
    if (!series)
        return out;
    const chartdrawing::Geometry g = layout(QRectF(QPointF(0, 0), effectiveSize(size)));
    for (const auto &p : series->points())
        if (std::isfinite(p.x) && std::isfinite(p.y))
            out << g.at(*series, p);
    return out;
}

// ---------------------------------------------------------------------------------------------
// "Copiar datos" and "Guardar imagen…"

Screen *Chart::hostScreen() const
{
    return qobject_cast<Screen *>(window());
}

void Chart::contextMenuEvent(QContextMenuEvent *event)
{
    m_saveImage->setEnabled(hostScreen() != nullptr);
    // From the keyboard the menu opens in the middle of the chart.
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center()) : event->globalPos();
    QMenu::exec(actions(), at, nullptr, this);
    event->accept();
}

QString Chart::dataText() const
{
    const chartdrawing::Content c = content();
    const chartscale::BottomData data = chartdrawing::bottomData(c);
    std::vector<chartscale::TableColumn> columns;
    for (const ChartSeries *s : c.series) {
        chartscale::TableColumn column{s->title(), {}};
        for (const auto &p : s->points())
            column.points.emplace_back(p.x, p.y);
        columns.push_back(std::move(column));
    }
    return chartscale::tabSeparated(m_bottom.title, columns,
                                    [&](double x) { return chartscale::bottomLabel(m_bottom, data, x); });
}

void Chart::copyData()
{
    QGuiApplication::clipboard()->setText(dataText());
}

void Chart::saveImage()
{
    Screen *screen = hostScreen();
    if (!screen)
        return;
    // The first title line names the file, without the characters a file name cannot hold.
    QString name = m_titleLines.value(0).trimmed();
    name.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")));
    if (name.isEmpty())
        name = QStringLiteral("Gráfico");
    Dialogs &dialogs = screen->dialogs();
    const QString path = dialogs.saveFileName(screen, QStringLiteral("Guardar imagen"), name + QStringLiteral(".png"),
                                              QStringLiteral("Imagen PNG (*.png);;Documento PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!writeImage(path))
        dialogs.standardError(screen, QStringLiteral("No se pudo guardar el gráfico en %1").arg(QDir::toNativeSeparators(path)));
}

bool Chart::writeImage(const QString &path) const
{
    const QSizeF size = effectiveSize(QSizeF());
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("pdf") && !suffix.isEmpty()
        && !QImageWriter::supportedImageFormats().contains(suffix.toLatin1()))
        return false;
    // Written whole or not at all: an existing file is replaced only once the new one is done.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = false;
    if (suffix == QLatin1String("pdf")) {
        // One page the size of the chart, drawn as vectors at 96 chart units per inch.
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(size * 72.0 / 96.0, QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (painter.begin(&writer)) {
            painter.scale(writer.resolution() / 96.0, writer.resolution() / 96.0);
            paint(painter, QRectF(QPointF(0, 0), size));
            written = painter.end();
        }
    } else {
        const qreal ratio = std::max<qreal>(1, devicePixelRatioF());
        QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        {
            QPainter painter(&image);
            paint(painter, QRectF(QPointF(0, 0), size));
        }
        written = image.save(&file, suffix.isEmpty() ? "PNG" : suffix.toLatin1().constData());
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace verdeval
