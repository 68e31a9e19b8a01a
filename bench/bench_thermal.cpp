// Times of the chill hours, temperature sum and climatogram modules, median of several runs:
//   - each calculation alone, from the boxes' texts to its cells written to a sink;
//   - "&Calcular" (the climatogram's "Recalcular Datos") to the cells written and the chart
//     refilled, and with the chart painted;
//   - each report page written to a PDF file.
// Goals: under 20 µs for a calculation alone, under 5 ms for "&Calcular" or a refresh with its
// chart painted, under 150 ms for a report page.
//   build/bench/bench_thermal
#include "BenchSupport.h"
#include "app/VerdevalApp.h"
#include "climatogram/UnitClimatograma.h"
#include "climatogram/UnitReporteClimatograma.h"
#include "climatogram/calc/Climatograma.h"
#include "output/Chart.h"
#include "output/ReportLayout.h"
#include "platform/core/CalcOutput.h"
#include "thermal/UnitHF.h"
#include "thermal/UnitReporteHFrio.h"
#include "thermal/UnitReporteSumaT.h"
#include "thermal/UnitSumaTemp.h"
#include "thermal/calc/HorasFrio.h"
#include "thermal/calc/SumaTemperatura.h"

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

// The place's boxes, then the screen shown (the climatogram draws itself on showing).
void show(Screen &screen, const QStringList &prefixes, const QList<QStringList> &rows)
{
    screen.setText(QStringLiteral("EEstacion"), QStringLiteral("Azul"));
    screen.setText(QStringLiteral("EGrados"), QStringLiteral("36"));
    screen.setText(QStringLiteral("EMinutos"), QStringLiteral("45"));
    screen.setText(QStringLiteral("EHemisferio"), QStringLiteral("S"));
    for (int r = 0; r < prefixes.size(); ++r)
        for (int k = 1; k <= 12; ++k)
            screen.setText(prefixes.at(r), k, rows.at(r).at(k - 1));
    screen.resize(1366, 768);
    screen.show();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Valid boxes throughout: nothing here opens a dialog, and the reports are filled without
    // their preview.
    VerdevalApp app;
    QTemporaryDir dir;

    // Azul's normals.
    const QStringList minimas = QStringLiteral("14.0 13.3 11.3 7.9 5.2 2.4 1.8 3.0 4.4 7.6 10.1 12.5").split(' ');
    const QStringList temperaturas = QStringLiteral("21.6 20.3 17.8 14.0 10.5 7.5 6.9 8.6 10.7 14.0 17.2 20.3").split(' ');
    const QStringList lluvias =
        QStringLiteral("103.8 101.6 113.9 90.6 55.7 37.1 40.8 59.2 67.5 92.0 97.9 75.4").split(' ');

    // The calculations alone.
    CellSink sink;
    const HorasFrio::Entrada frio{"36", "45", "S", minimas};
    HorasFrio::Valores valoresFrio;
    const SumaTemperatura::Entrada suma{"36", "45", "S", temperaturas, "7"};
    SumaTemperatura::Valores valoresSuma;
    const Climatograma::Entrada clima{temperaturas, lluvias};
    Climatograma::Valores valoresClima;
    const int runs = 300;
    const int batch = 200;
    report("Horas de frío: calculation alone (texts to cells)",
           1000 * medianMsBatched(runs, batch, [&] { HorasFrio::calcular(frio, valoresFrio, sink); }), 20, "µs");
    report("Suma de temperatura: calculation alone (texts to cells)",
           1000 * medianMsBatched(runs, batch, [&] { SumaTemperatura::calcular(suma, valoresSuma, sink); }), 20, "µs");
    report("Climatograma: reading alone (texts to held values)",
           1000 * medianMsBatched(runs, batch, [&] { Climatograma::leer(clima, valoresClima); }), 20, "µs");

    // The screens.
    TFHF &hf = app.FHF();
    show(hf, {QStringLiteral("ETmi")}, {minimas});
    TFST &st = app.FST();
    show(st, {QStringLiteral("ET")}, {temperaturas});
    TFClimatograma &climatograma = app.FClimatograma();
    show(climatograma, {QStringLiteral("ET"), QStringLiteral("EPP")}, {temperaturas, lluvias});
    QApplication::processEvents();

    // Every run changes one box first, so that the cells and the chart really change.
    int vuelta = 0;
    auto alternar = [&vuelta](Screen &screen, const char *box, const char *a, const char *b) {
        screen.setText(QString::fromLatin1(box), QString::fromLatin1(++vuelta % 2 ? a : b));
    };
    report("Horas de frío: Calcular -> cells (no chart)", medianMs(runs, [&] {
               alternar(hf, "ETmi7", "1.8", "2.3");
               click(hf, "BCalcular");
           }), 5);
    report("Suma de temperatura: Calcular -> cells and chart series", medianMs(runs, [&] {
               alternar(st, "ETB", "7", "8");
               click(st, "BCalcular");
           }), 5);
    report("Suma de temperatura: Calcular -> cells, chart series and chart painted", medianMs(runs, [&] {
               alternar(st, "ETB", "7", "8");
               click(st, "BCalcular");
               paintChart(st.Chart1());
           }), 5);
    report("Climatograma: Recalcular Datos -> chart series", medianMs(runs, [&] {
               alternar(climatograma, "EPP1", "103.8", "150");
               click(climatograma, "Button1");
           }), 5);
    report("Climatograma: Recalcular Datos -> chart series and chart painted", medianMs(runs, [&] {
               alternar(climatograma, "EPP1", "103.8", "150");
               click(climatograma, "Button1");
               paintChart(climatograma.Chart1());
           }), 5);

    // The reports as "Imprimir Informe" fills them.
    hf.llenarInforme();
    st.llenarInforme();
    climatograma.llenarInforme();
    const int pages = 15;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    report("Horas de frío report page -> PDF", medianMs(pages, [&] { app.Form8().renderToPdf(pdf); }), 150);
    report("Suma de temperatura report page -> PDF", medianMs(pages, [&] { app.Form6().renderToPdf(pdf); }), 150);
    report("Climatograma report page -> PDF", medianMs(pages, [&] { app.Form7().renderToPdf(pdf); }), 150);
    return 0;
}
