#include "radiation/UnitHeFo.h"

#include "output/Chart.h"
#include "platform/Widgets.h"
#include "platform/core/NumberText.h"
#include "radiation/MarchaAnual.h"
#include "radiation/UnitReporteHelofania.h"
#include "radiation/calc/GeometriaSolar.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {


TFHeFo::TFHeFo(ScreenHost &host)
    : ModuleScreen(host, "TFHeFo", QStringLiteral("Heliofanía astronómica y fotoperíodo"))
{
}

void TFHeFo::build()
{
    QHBoxLayout *extra = addTopRow(QStringLiteral("Nombre de la Estación:"));
    // The threshold in hours: the caption over its narrow box.
    auto *umbral = new QVBoxLayout();
    umbral->setSpacing(1);
    auto *titulo = kit::rowTitle(QStringLiteral("Umbral"), this);
    titulo->setObjectName(QStringLiteral("LabelUmbral"));
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setMinimumHeight(18);
    umbral->addWidget(titulo);
    QLineEdit *caja = kit::box(QStringLiteral("EHE"), 40, this);
    caja->setMaximumWidth(64);
    umbral->addWidget(caja);
    extra->addLayout(umbral);
    extra->addSpacing(4);

    body()->addSpacing(4);
    body()->addWidget(kit::heading(QStringLiteral("Heliofanía Astronómica y Fotoperíodo"), 13, this));
    auto *nota = kit::caption(QStringLiteral("Para los días 15 de cada mes y Solsticios (Sol) y Equinoccios (Eq)."));
    nota->setAlignment(Qt::AlignCenter);
    body()->addWidget(nota);

    auto *resultados =
        new kit::MonthTable(QStringLiteral("Panel2"), CalendarioAstronomico::titulos(), QString(), 150, this);
    resultados->addCellRow(QStringLiteral("Heliofanía Astr."), QStringLiteral("ERG"), CalendarioAstronomico::cantidad);
    resultados->addCellRow(QStringLiteral("Fotoperíodo"), QStringLiteral("ERA"), CalendarioAstronomico::cantidad);
    body()->addWidget(resultados);

    m_chart = new Chart(QStringLiteral("Chart1"), this);
    MarchaAnual::ejeDeFechas(*m_chart, QStringLiteral("Marcha anual de la Heliofanía Astronómica y el Fotoperíodo"));
    m_chart->leftAxis().setFixed(4, 22);
    m_chart->leftAxis().increment = 1;
    m_chart->leftAxis().title = QStringLiteral("Horas");
    m_chart->setLegend(Chart::Legend::Right);
    ChartSeries *heliofania =
        m_chart->addLine(QStringLiteral("Series1"), QStringLiteral("Heliofanía Astronómica"), Qt::red);
    heliofania->setPen(4);
    ChartSeries *fotoperiodo = m_chart->addLine(QStringLiteral("Series2"), QStringLiteral("Fotoperíodo"), kit::green);
    fotoperiodo->setPen(4);
    ChartSeries *linea = m_chart->addLine(QStringLiteral("Series3"), QStringLiteral("Umbral"), Qt::blue);
    linea->setPen(1);
    for (ChartSeries *s : {heliofania, fotoperiodo, linea}) {
        s->setMarksVisible(false);
        s->setDateTime(true);
    }
    body()->addWidget(m_chart, 1);

    auto *imprimir = kit::button(QStringLiteral("BImprimirInforme"), QStringLiteral("Imprimir Informe"), this);
    body()->addWidget(imprimir, 0, Qt::AlignHCenter);

    onClick(control(QStringLiteral("BCalcular")), &TFHeFo::BCalcularClick);
    onClick(imprimir, &TFHeFo::BImprimirInformeClick);
}

void TFHeFo::receive(const TDatosLocalidad &place) { setTexts(cajasHeliofania(place)); }

void TFHeFo::BCalcularClick()
{
    if (!calcularHeliofania(boxTexts(), m_estado, output()))
        return;
    MarchaAnual::titulo(*m_chart, QStringLiteral("Marcha anual de la Heliofanía Astronómica y el Fotoperíodo"));
    llenarSeries(*m_chart->series(QStringLiteral("Series1")), *m_chart->series(QStringLiteral("Series2")),
                 *m_chart->series(QStringLiteral("Series3")));
}

void TFHeFo::llenarSeries(ChartSeries &heliofania, ChartSeries &fotoperiodo, ChartSeries &umbral) const
{
    MarchaAnual::llenarFechas(heliofania, m_estado.N);
    MarchaAnual::llenarFechas(fotoperiodo, m_estado.P);
    MarchaAnual::llenarFechas(umbral, m_estado.U);
}

void TFHeFo::BImprimirInformeClick()
{
    TForm3 &reporte = peer<TForm3>();
    reporte.copyTexts(*this, QStringLiteral("ERG"), CalendarioAstronomico::cantidad, QStringLiteral("EH"));
    reporte.copyTexts(*this, QStringLiteral("ERA"), CalendarioAstronomico::cantidad, QStringLiteral("EF"));
    Chart &chart = reporte.QRChart1();
    MarchaAnual::titulo(chart, text(QStringLiteral("EEstacion")));
    llenarSeries(*chart.series(QStringLiteral("Series1")), *chart.series(QStringLiteral("Series2")),
                 *chart.series(QStringLiteral("Series3")));
    reporte.Preview(this);
}

void TFHeFo::OnClose()
{
    setText(QStringLiteral("EHE"), QString());
    MarchaAnual::vaciarFila(*this, QStringLiteral("ERG"), CalendarioAstronomico::cantidad);
    MarchaAnual::vaciarFila(*this, QStringLiteral("ERA"), CalendarioAstronomico::cantidad);
    for (ChartSeries *s : m_chart->allSeries())
        s->Clear();
    m_chart->titleClear();
}

} // namespace verdeval
