// Times of the water balance module, median of several runs:
//   - the calculation alone, from the texts of the boxes to the 88 cell texts (goal < 50 us);
//   - "&Calcular" to all rows written on the screen (goal < 5 ms);
//   - "Ver Gráficos" to both charts filled and painted (goal < 10 ms);
//   - "Imprimir Informe" to a PDF page with the table and both charts (goal < 150 ms).
//   build/bench/bench_bhc
#include "BenchSupport.h"
#include "app/VerdevalApp.h"
#include "output/Chart.h"
#include "output/ReportLayout.h"
#include "platform/core/CalcOutput.h"
#include "waterbalance/UnitBHC.h"
#include "waterbalance/UnitFBHCGraf.h"
#include "waterbalance/calc/BalanceHidrico.h"

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

const char *kT = "21.6 20.3 17.8 14.0 10.5 7.5 6.9 8.6 10.7 14.0 17.2 20.3";
const char *kP = "103.8 101.6 113.9 90.6 55.7 37.1 40.8 59.2 67.5 92.0 97.9 75.4";

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir dir;
    VerdevalApp app(std::make_unique<SilentDialogs>(dir.filePath(QStringLiteral("page.pdf"))));

    // The calculation alone, in batches (a single run is below the timer's resolution).
    BalanceHidrico::Entrada entrada{QStringLiteral("36"), QStringLiteral("45"), QStringLiteral("S"),
                                    QString::fromLatin1(kT).split(QLatin1Char(' ')),
                                    QString::fromLatin1(kP).split(QLatin1Char(' ')), QStringLiteral("200")};
    BalanceHidrico::Valores valores;
    const int batch = 1000;
    const double batchMs = medianMs(31, [&] {
        for (int k = 0; k < batch; ++k) {
            CellSink cells;
            BalanceHidrico::calcular(entrada, valores, cells);
        }
    });
    report("Balance: calculation alone, texts in, 88 cell texts out", batchMs * 1000 / batch, 50, "us");

    TFBHC &balance = app.FBHC();
    balance.resize(1366, 768);
    balance.show();
    balance.setText(QStringLiteral("EEstacion"), QStringLiteral("Azul"));
    balance.setText(QStringLiteral("EGrados"), QStringLiteral("36"));
    balance.setText(QStringLiteral("EMinutos"), QStringLiteral("45"));
    balance.setText(QStringLiteral("EHemisferio"), QStringLiteral("S"));
    const QStringList t = QString::fromLatin1(kT).split(QLatin1Char(' '));
    const QStringList p = QString::fromLatin1(kP).split(QLatin1Char(' '));
    for (int m = 1; m <= 12; ++m) {
        balance.setText(QStringLiteral("ET"), m, t.at(m - 1));
        balance.setText(QStringLiteral("EPP"), m, p.at(m - 1));
    }
    QApplication::processEvents();

    const int runs = 300;
    report("Balance: Calcular -> all rows written", medianMs(runs, [&] { click(balance, "BCalcular"); }), 5, "ms");

    TFBHCGraf &graficos = app.FBHCGraf();
    graficos.resize(1366, 768);
    // Shown and laid out once, so that the charts have their size on screen.
    click(balance, "BGraficos");
    QApplication::processEvents();
    click(graficos, "BVolver");
    QApplication::processEvents();
    report("Balance: Ver Gráficos -> both charts filled and painted", medianMs(100, [&] {
               click(balance, "BGraficos");
               paintChart(graficos.Chart1());
               paintChart(graficos.Chart2());
           }, [&] { click(graficos, "BVolver"); }), 10, "ms");

    click(balance, "BCalcular");
    report("Balance: Imprimir Informe -> PDF page with both charts",
           medianMs(15, [&] { click(balance, "BImprimir"); }), 150, "ms");
    return 0;
}
