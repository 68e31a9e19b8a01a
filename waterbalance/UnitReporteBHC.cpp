#include "waterbalance/UnitReporteBHC.h"

#include "output/Chart.h"
#include "platform/Widgets.h"
#include "waterbalance/UnitBHC.h"

#include <QVBoxLayout>

namespace verdeval {

TForm5::TForm5(ScreenHost &host) : ReportLayout(host, "TForm5", QStringLiteral("Balance Hidrologico Climatico"))
{
}

void TForm5::buildReport()
{
    addHeadingBlock();
    addTitle(QStringLiteral("Resultados del Balance Hidrológico Climático"));

    kit::MonthTable *table = addMonthTable(QStringLiteral("Meses"), kit::monthsJanDec, QString(), 190);
    const struct {
        const char *caption;
        const char *prefix;
    } rows[] = {
        {"Evapotranspiración Potencial", "EEP"}, {"Precip.-Evapotranspiración", "EDP"},
        {"Almcenaje", "EAL"},                    {"    Almacenaje", "EDAL"},
        {"Evapotranspiración Real", "EER"},      {"Deficiencia", "EDE"},
        {"Exceso", "EEX"},
    };
    for (const auto &r : rows) {
        table->addCellRow(QString::fromUtf8(r.caption), QString::fromLatin1(r.prefix));
        if (QLatin1String(r.prefix) == QLatin1String("EDAL"))
            overlayDelta(table->lastTitle());
    }
    pageLayout()->addSpacing(6);

    auto makeChart = [this](const QString &name) {
        Chart *chart = addChart(name, 335);
        chart->setTitleColor(Qt::blue);
        chart->setLegend(Chart::Legend::Below);
        chart->bottomAxis().title = QStringLiteral("Meses");
        chart->bottomAxis().labels = ChartAxis::Labels::Text;
        chart->leftAxis().title = QStringLiteral("Milímetros");
        return chart;
    };

    Chart *balance = makeChart(QStringLiteral("QRChart1"));
    balance->addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación Media Mensual"), kit::lime, 15);
    balance->addLine(QStringLiteral("Series2"), QStringLiteral("EP"), kit::green);
    balance->addLine(QStringLiteral("Series3"), QStringLiteral("ER"), QColor(0xFF, 0x80, 0x00));
    balance->addLine(QStringLiteral("Series4"), QStringLiteral("Situación Hídrica"), Qt::blue);

    pageLayout()->addSpacing(6);
    Chart *soil = makeChart(QStringLiteral("QRChart2"));
    soil->leftAxis().setMinimumFixed(0);
    soil->addLine(QStringLiteral("Series5"), QStringLiteral("Almacenaje más Exceso"), Qt::red);
    soil->addLine(QStringLiteral("Series6"), QStringLiteral("Capacidad de Campo"), QColor(0x00, 0x00, 0xA0))->setPen(2);
    soil->addLine(QStringLiteral("Series7"), QStringLiteral("Punto de Marchitez"), Qt::red);
    soil->addLine(QStringLiteral("Series8"), QStringLiteral("Sequía Condicional"), Qt::blue);
    for (Chart *chart : {balance, soil})
        for (ChartSeries *s : chart->allSeries()) {
            s->setMarksVisible(false);
            if (s->kind() == ChartSeries::Kind::Line && s->name() != QLatin1String("Series6"))
                s->setPen(1);
        }
}

} // namespace verdeval
