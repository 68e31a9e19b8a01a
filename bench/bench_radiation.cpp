// Times of the radiation and heliophany modules, median of several runs:
//   - "&Calcular" to the cells written and the chart refilled, and with the chart painted;
//   - one report page written to a PDF file.
// Goals: under 5 ms for a calculation, under 150 ms for a report page.
//   build/bench/bench_radiation
#include "BenchSupport.h"
#include "app/VerdevalApp.h"
#include "output/Chart.h"
#include "output/ReportLayout.h"
#include "radiation/UnitHeFo.h"
#include "radiation/UnitIngresoInformacionRadiacion.h"
#include "radiation/UnitReporteHelofania.h"
#include "radiation/UnitReporteRadiacion.h"

#include <QApplication>
#include <QTemporaryDir>

using namespace verdeval;
using namespace verdeval::bench;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    VerdevalApp app(std::make_unique<SilentDialogs>());
    QTemporaryDir dir;

    TFIngresoInformacionRadiacion &radiacion = app.FIngresoInformacionRadiacion();
    radiacion.resize(1366, 768);
    radiacion.show();
    radiacion.setText(QStringLiteral("EEstacion"), QStringLiteral("Azul"));
    radiacion.setText(QStringLiteral("EGrados"), QStringLiteral("36"));
    radiacion.setText(QStringLiteral("EMinutos"), QStringLiteral("45"));
    radiacion.setText(QStringLiteral("EHemisferio"), QStringLiteral("S"));
    const QStringList he = QStringLiteral("7.9 7.8 7.0 6.5 5.2 4.3 4.1 4.9 5.9 7.1 8.0 8.4").split(QLatin1Char(' '));
    for (int k = 1; k <= 12; ++k)
        radiacion.setText(QStringLiteral("EHE"), k, he.at(k - 1));
    QApplication::processEvents();

    TFHeFo &hefo = app.FHeFo();
    hefo.resize(1366, 768);
    hefo.show();
    hefo.setText(QStringLiteral("EEstacion"), QStringLiteral("Azul"));
    hefo.setText(QStringLiteral("EGrados"), QStringLiteral("36"));
    hefo.setText(QStringLiteral("EMinutos"), QStringLiteral("45"));
    hefo.setText(QStringLiteral("EHemisferio"), QStringLiteral("S"));
    hefo.setText(QStringLiteral("EHE"), QStringLiteral("12"));
    QApplication::processEvents();


    const int runs = 300;
    report("Radiación: Calcular -> cells and chart series", medianMs(runs, [&] { click(radiacion, "BCalcular"); }), 5);
    report("Radiación: Calcular -> cells, chart series and chart painted", medianMs(runs, [&] {
               click(radiacion, "BCalcular");
               paintChart(radiacion.Chart1());
           }), 5);
    report("Heliofanía: Calcular -> cells and chart series", medianMs(runs, [&] { click(hefo, "BCalcular"); }), 5);
    report("Heliofanía: Calcular -> cells, chart series and chart painted", medianMs(runs, [&] {
               click(hefo, "BCalcular");
               paintChart(hefo.Chart1());
           }), 5);

    // "Imprimir Informe" fills the reports (the silent preview shows nothing).
    click(radiacion, "BImprimir");
    click(hefo, "BImprimirInforme");
    const int pages = 15;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    report("Radiación report page -> PDF", medianMs(pages, [&] { app.Form4().renderToPdf(pdf); }), 150);
    report("Heliofanía report page -> PDF", medianMs(pages, [&] { app.Form3().renderToPdf(pdf); }), 150);
    return 0;
}
