// Times of the evapotranspiration module, median of several runs:
//   - one full four-method calculation, from the box texts to the 52 cells, without a screen
//     (goal under 50 µs);
//   - "&Calcular" to the 52 cells written on the entry screen (under 5 ms);
//   - "&Mostrar Gráfico" to the results screen's chart painted (under 5 ms);
//   - the report page written to a PDF file (under 150 ms).
//   build/bench/bench_etp
#include "BenchSupport.h"
#include "app/VerdevalApp.h"
#include "evapotranspiration/UnitGraficoETP.h"
#include "evapotranspiration/UnitIngresoInformacion.h"
#include "evapotranspiration/UnitReporte.h"
#include "evapotranspiration/calc/Evapotranspiracion.h"
#include "output/Chart.h"
#include "platform/core/CalcOutput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace verdeval;
using namespace verdeval::bench;

namespace {

QStringList twelve(const char *values) { return QString::fromLatin1(values).split(QLatin1Char(' ')); }

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    VerdevalApp app(std::make_unique<SilentDialogs>());
    QTemporaryDir dir;

    // Bahía Blanca, every series, the anemometer at 10 m and an albedo of 23 %.
    Evapotranspiracion::Entrada e;
    e.grados = QStringLiteral("38");
    e.minutos = QStringLiteral("44");
    e.hemisferio = QStringLiteral("S");
    e.T = twelve("23.6 22.1 19.4 14.9 11.1 8.1 7.5 9.4 11.6 15.1 18.7 22.0");
    e.Tx = twelve("31.1 29.6 26.6 21.8 17.5 14.1 13.7 16.3 18.5 22.2 25.9 29.3");
    e.Tn = twelve("16.3 15.2 13.4 9.2 6.0 3.3 2.4 3.9 5.6 8.5 11.4 14.4");
    e.n = twelve("10.1 9.5 8.4 6.9 5.4 4.8 4.9 6.0 6.8 7.5 9.6 10.3");
    e.HR = twelve("54.1 60.5 66.5 70.5 74.5 75.1 73.8 68.9 67.2 64.8 58.5 53.3");
    e.P = twelve("1001.0 1002.8 1004.3 1005.7 1007.1 1006.0 1008.0 1007.9 1008.4 1005.8 1003.0 1000.7");
    e.V = twelve("21.6 18.6 18 15.9 15.5 17.4 16.6 18.8 18.3 18.3 19.2 20.5");
    e.altitud = QStringLiteral("83");
    e.anemometro = QStringLiteral("10");
    e.albedo = QStringLiteral("23");

    Evapotranspiracion::Estado estado;
    CellSink cells;
    int reached = 0;
    report("Calculation, four methods, texts to cells (no screen)",
           1000 * medianMs(20000, [&] { reached = Evapotranspiracion::calcular(e, estado, cells); }), 50, "µs");
    if (reached != 4)
        std::printf("  (only %d methods reached)\n", reached);

    TFIngresoInformacion &entry = app.FIngresoInformacion();
    entry.resize(1366, 768);
    entry.show();
    entry.setText(QStringLiteral("EEstacion"), QStringLiteral("Bahía Blanca"));
    entry.setText(QStringLiteral("EGrados"), e.grados);
    entry.setText(QStringLiteral("EMinutos"), e.minutos);
    entry.setText(QStringLiteral("EHemisferio"), e.hemisferio);
    const struct {
        const char *prefix;
        const QStringList &values;
    } rows[] = {{"ETMMe", e.T}, {"ETMMa", e.Tx}, {"ETMMi", e.Tn}, {"EHE", e.n},
                {"EHR", e.HR},  {"EPA", e.P},    {"EVV", e.V}};
    for (const auto &r : rows)
        for (int m = 1; m <= 12; ++m)
            entry.setText(QLatin1String(r.prefix), m, r.values.at(m - 1));
    entry.setText(QStringLiteral("EAE"), e.altitud);
    entry.setText(QStringLiteral("EAA"), e.anemometro);
    entry.setText(QStringLiteral("EA"), e.albedo);
    QApplication::processEvents();
    report("Calcular -> 52 cells written", medianMs(300, [&] { click(entry, "BCalcular"); }), 5);

    TGraficoETP &results = app.GraficoETP();
    results.resize(1366, 768);
    results.ensureBuilt();
    QApplication::processEvents();
    Chart &chart = results.Chart1();
    report("Mostrar Gráfico -> table, chart series and chart painted", medianMs(300, [&] {
               click(entry, "BMostrarG");
               QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
               QPainter painter(&image);
               chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(chart.size())));
           }, [&] {
               results.hide();
               entry.show();
           }), 5);

    // "Imprimir Informe" fills the report (the silent preview shows nothing).
    click(results, "Button1");
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    report("Report page -> PDF", medianMs(15, [&] { app.Form2().renderToPdf(pdf); }), 150);
    return 0;
}
