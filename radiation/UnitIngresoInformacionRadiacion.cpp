#include "radiation/UnitIngresoInformacionRadiacion.h"

#include "output/Chart.h"
#include "platform/Widgets.h"
#include "platform/core/NumberText.h"
#include "radiation/MarchaAnual.h"
#include "radiation/UnitReporteRadiacion.h"
#include "radiation/calc/GeometriaSolar.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {


TFIngresoInformacionRadiacion::TFIngresoInformacionRadiacion(ScreenHost &host)
    : ModuleScreen(host, "TFIngresoInformacionRadiacion",
                   QStringLiteral("Ingreso de información para el cálculo de la Radiación astronómica y global"))
{
}

void TFIngresoInformacionRadiacion::build()
{
    addTopRow(QStringLiteral("Nombre de la Estación:"));

    // Effective heliophany, hours a day, July to June.
    auto *entrada = new kit::MonthTable(QStringLiteral("Panel1"), kit::monthsJulJun, QString(), 150, this);
    entrada->addBoxRow(QStringLiteral("Heliofanía Efectiva"), QStringLiteral("EHE"), 12);
    body()->addWidget(entrada);

    body()->addSpacing(4);
    body()->addWidget(kit::heading(QStringLiteral("Radiación Astronómica y Global Diaria"), 13, this));
    auto *nota = kit::caption(QStringLiteral("Para los días 15 de cada mes y Solsticios (Sol) y Equinoccios (Eq)."));
    nota->setAlignment(Qt::AlignCenter);
    body()->addWidget(nota);

    // Global radiation under the month columns only; astronomical radiation on all sixteen dates.
    auto *resultados =
        new kit::MonthTable(QStringLiteral("Panel2"), CalendarioAstronomico::titulos(), QString(), 150, this);
    resultados->addCellRow(QStringLiteral("R. Global"), QStringLiteral("ERG"), CalendarioMensual::cantidad, QString(),
                           CalendarioMensual::columnas());
    resultados->addCellRow(QStringLiteral("R. Astronómica"), QStringLiteral("ERA"), CalendarioAstronomico::cantidad);
    body()->addWidget(resultados);

    m_chart = new Chart(QStringLiteral("Chart1"), this);
    MarchaAnual::ejeDeFechas(*m_chart, QStringLiteral("Marcha anual de la Radiación"));
    m_chart->leftAxis().setMinimumFixed(0);
    m_chart->leftAxis().increment = 10;
    m_chart->leftAxis().title = QStringLiteral("Calorías/cm2 día");
    m_chart->setLegend(Chart::Legend::Below);
    ChartSeries *global = m_chart->addLine(QStringLiteral("Series1"), QStringLiteral("Radiación Global"), Qt::red);
    ChartSeries *astronomica =
        m_chart->addLine(QStringLiteral("Series2"), QStringLiteral("Radiación Astronómica"), kit::green);
    for (ChartSeries *s : {global, astronomica}) {
        s->setPointMarkers(true, 6);
        s->setMarksVisible(false);
        s->setDateTime(true);
    }

    auto *fila = new QHBoxLayout();
    fila->addWidget(m_chart, 1);
    auto *imprimir = kit::button(QStringLiteral("BImprimir"), QStringLiteral("Imprimir Informe"), this);
    fila->addWidget(imprimir, 0, Qt::AlignBottom);
    body()->addLayout(fila, 1);

    onClick(control(QStringLiteral("BCalcular")), &TFIngresoInformacionRadiacion::BCalcularClick);
    onClick(imprimir, &TFIngresoInformacionRadiacion::BImprimirClick);
}

void TFIngresoInformacionRadiacion::receive(const TDatosLocalidad &place) { setTexts(cajasRadiacion(place)); }

void TFIngresoInformacionRadiacion::BCalcularClick()
{
    calcularRadiacion(boxTexts(), m_estado, output());
    MarchaAnual::titulo(*m_chart, text(QStringLiteral("EEstacion")));
    llenarSeries(*m_chart->series(QStringLiteral("Series1")), *m_chart->series(QStringLiteral("Series2")));
}

void TFIngresoInformacionRadiacion::llenarSeries(ChartSeries &global, ChartSeries &astronomica) const
{
    MarchaAnual::llenarMeses(global, m_estado.meses.Rg);
    MarchaAnual::llenarFechas(astronomica, m_estado.RaFechas);
}

void TFIngresoInformacionRadiacion::BImprimirClick()
{
    TForm4 &reporte = peer<TForm4>();
    reporte.copyTexts(*this, QStringLiteral("ERG"), CalendarioMensual::cantidad);
    reporte.copyTexts(*this, QStringLiteral("ERA"), CalendarioAstronomico::cantidad);
    Chart &chart = reporte.QRChart1();
    MarchaAnual::titulo(chart, text(QStringLiteral("EEstacion")));
    llenarSeries(*chart.series(QStringLiteral("Series1")), *chart.series(QStringLiteral("Series2")));
    reporte.Preview(this);
}

void TFIngresoInformacionRadiacion::OnClose()
{
    MarchaAnual::vaciarFila(*this, QStringLiteral("ERG"), CalendarioMensual::cantidad);
    MarchaAnual::vaciarFila(*this, QStringLiteral("ERA"), CalendarioAstronomico::cantidad);
    for (ChartSeries *s : m_chart->allSeries())
        s->Clear();
    m_chart->titleClear();
}

} // namespace verdeval
