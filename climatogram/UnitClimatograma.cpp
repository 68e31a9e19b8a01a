#include "climatogram/UnitClimatograma.h"

#include "climatogram/UnitReporteClimatograma.h"
#include "location/PlaceBoxes.h"
#include "output/Chart.h"
#include "output/ChartYear.h"
#include "platform/Widgets.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

namespace {

// Precipitation bars (Series1) and the temperature line (Series2) from the held values.
void dibujar(Chart &chart, const QString &estacion, const Climatograma::Valores &v)
{
    chartYear::setTitle(chart, estacion);
    chartYear::fill(*chart.series(QStringLiteral("Series2")), v.T);
    chartYear::fill(*chart.series(QStringLiteral("Series1")), v.PP);
}

} // namespace

TFClimatograma::TFClimatograma(ScreenHost &host) : ModuleScreen(host, "TFClimatograma", QStringLiteral("Climatograma"))
{
}

void TFClimatograma::build()
{
    // No "&Calcular": the chart is redrawn on every activation and by "Recalcular Datos".
    QHBoxLayout *extra = addTopRow(QStringLiteral("Localidad:"), false,
                                   QStringLiteral("Ingrese la Información necesaria para los cálculos"));
    auto *recalcular = kit::button(QStringLiteral("Button1"), QStringLiteral("Recalcular Datos"), this);
    extra->addWidget(recalcular);
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
    m_chart = new Chart(QStringLiteral("Chart1"), this);
    m_chart->setMinimumHeight(280);
    m_chart->setTitleVisible(false);
    m_chart->setLegend(Chart::Legend::Below);
    m_chart->setBottomAxisMonthSlots();
    m_chart->bottomAxis().title = QStringLiteral("Meses del año");
    m_chart->bottomAxis().gridBetweenLabels = true;
    // Each vertical axis follows its own series.
    m_chart->leftAxis().title = QStringLiteral("Precipitación");
    m_chart->leftAxis().increment = 10;
    m_chart->rightAxis().title = QStringLiteral("Temperatura");
    m_chart->addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación"), kit::green, 15)->setMarksVisible(false);
    ChartSeries *t =
        m_chart->addLine(QStringLiteral("Series2"), QStringLiteral("Temperatura"), Qt::red, ChartSeries::Axis::Right);
    t->setMarksVisible(false);
    t->setPointMarkers(true, 3);
    body()->addWidget(m_chart, 1);

    auto *imprimir = kit::button(QStringLiteral("BImprimir"), QStringLiteral("Imprimir Informe"), this);
    body()->addWidget(imprimir, 0, Qt::AlignHCenter);

    onClick(recalcular, &TFClimatograma::Button1Click);
    onClick(imprimir, &TFClimatograma::BImprimirClick);
}

void TFClimatograma::receive(const TDatosLocalidad &place)
{
    placeBoxes::fillClimate(*this, place);
}

void TFClimatograma::OnActivate()
{
    Climatograma::leer({texts(QStringLiteral("ET")), texts(QStringLiteral("EPP"))}, m_valores);
    dibujar(*m_chart, text(QStringLiteral("EEstacion")), m_valores);
}

void TFClimatograma::Button1Click() { OnActivate(); }

void TFClimatograma::BImprimirClick()
{
    llenarInforme();
    peer<TForm7>().Preview(this);
}

void TFClimatograma::llenarInforme()
{
    TForm7 &reporte = peer<TForm7>();
    reporte.copyTexts(*this, QStringLiteral("EPP"), 12, QStringLiteral("EEP"));
    reporte.copyTexts(*this, QStringLiteral("ET"), 12, QStringLiteral("EDP"));
    dibujar(reporte.QRChart1(), text(QStringLiteral("EEstacion")), m_valores);
}

} // namespace verdeval
