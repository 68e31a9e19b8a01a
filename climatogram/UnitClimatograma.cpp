#include "climatogram/UnitClimatograma.h"

#include "location/PlaceBoxes.h"
#include "output/Chart.h"
#include "platform/Widgets.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

TFClimatograma::TFClimatograma(ScreenHost &host) : ModuleScreen(host, "TFClimatograma", QStringLiteral("Climatograma"))
{
}

void TFClimatograma::build()
{
    // No "&Calcular": the chart is redrawn on every activation and by "Recalcular Datos".
    QHBoxLayout *extra = addTopRow(QStringLiteral("Localidad:"), false,
                                   QStringLiteral("Ingrese la Información necesaria para los cálculos"));
    extra->addWidget(kit::button(QStringLiteral("Button1"), QStringLiteral("Recalcular Datos"), this));
    body()->addSpacing(4);

    // The annual values the index hands over sit hidden at the ends of the rows.
    auto *table = new kit::MonthTable(QStringLiteral("Panel1"), kit::monthsJanDec, QString(), 150, this);
    table->addBoxRow(QStringLiteral("Precipitación:"), QStringLiteral("EPP"), 12, QStringLiteral("EPPT"));
    table->addBoxRow(QStringLiteral("Temperatura:"), QStringLiteral("ET"), 12, QStringLiteral("ETT"));
    box(QStringLiteral("EPPT"))->hide();
    box(QStringLiteral("ETT"))->hide();
    body()->addWidget(table);
    body()->addSpacing(6);

    body()->addWidget(kit::heading(QStringLiteral("Climatograma"), 15, this));
    auto *chart = new Chart(QStringLiteral("Chart1"), this);
    chart->setMinimumHeight(280);
    chart->setTitleVisible(false);
    chart->setLegend(Chart::Legend::Below);
    chart->setBottomAxisMonthSlots();
    chart->bottomAxis().title = QStringLiteral("Meses del año");
    chart->bottomAxis().gridBetweenLabels = true;
    chart->leftAxis().title = QStringLiteral("Precipitación");
    chart->leftAxis().increment = 10;
    chart->rightAxis().title = QStringLiteral("Temperatura");
    chart->addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación"), kit::green, 15)->setMarksVisible(false);
    ChartSeries *t = chart->addLine(QStringLiteral("Series2"), QStringLiteral("Temperatura"), Qt::red, ChartSeries::Axis::Right);
    t->setMarksVisible(false);
    t->setPointMarkers(true, 3);
    body()->addWidget(chart, 1);

    body()->addWidget(kit::button(QStringLiteral("BImprimir"), QStringLiteral("Imprimir Informe"), this), 0,
                      Qt::AlignHCenter);
}

void TFClimatograma::receive(const TDatosLocalidad &place)
{
    placeBoxes::fillClimate(*this, place);
}

} // namespace verdeval
