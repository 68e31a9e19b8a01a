#pragma once

#include "platform/Dialogs.h"
#include "platform/core/CalcOutput.h"

#include <QString>
#include <QStringList>
#include <functional>

class QRectF;

namespace verdeval {
class Chart;
class Screen;
}

// What the benchmarks share: dialogs that answer at once, the median of repeated runs, a
// chart painted offscreen and one line of output per measurement.
namespace verdeval::bench {

// Answers every message box with its first button; a preview writes the report's page to the
// given PDF file (nothing when no file is given); a save dialog is cancelled.
class SilentDialogs : public DialogBackend
{
public:
    explicit SilentDialogs(QString pdf = QString()) : m_pdf(std::move(pdf)) {}
    QString messageBox(QWidget *, Icon, const QString &, const QString &, const QStringList &buttons) override;
    void preview(QWidget *, Printable &report) override;
    void showModal(QWidget *, Screen &screen) override;
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return QString(); }

private:
    QString m_pdf;
};

// The median time of `runs` runs of the action, in milliseconds; `between` runs after each
// run, untimed.
double medianMs(int runs, const std::function<void()> &action, const std::function<void()> &between = {});
// The same where one run is too short to time alone: each sample is the mean of `batch` runs.
double medianMsBatched(int runs, int batch, const std::function<void()> &action);

// Takes a calculation's cells as a program without a screen would, keeping nothing but the
// last text, and ignores its messages.
class CellSink : public CalcOutput
{
public:
    void cell(const QString &, const QString &text) override { m_last = text; }
    void atencion(const QString &) override {}
    void hemisphere(const QString &) override {}

private:
    QString m_last;
};

// Clicks a button of a screen by its name.
void click(Screen &screen, const char *name);

// Paints the chart at its size into an image, as the screen would.
void paintChart(Chart &chart);

// A climate database of `localities` generated localities in `provinces` provinces, every one
// with all eight series ("Provincia 17", "Localidad 17-042"; generated values, not data),
// with or without the indexes on province and locality. False when it cannot be written.
bool generateClimateDb(const QString &path, int provinces, int localities, bool indexed = true);
// The generated names.
QString provinceName(int p);
QString localityName(int p, int l);

// "what ... value unit (goal < g unit) ok|OVER".
void report(const char *what, double value, double goal, const char *unit = "ms");

} // namespace verdeval::bench
