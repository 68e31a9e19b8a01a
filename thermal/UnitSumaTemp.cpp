#include "thermal/UnitSumaTemp.h"

#include "location/PlaceBoxes.h"
#include "output/Chart.h"
#include "output/ChartYear.h"
#include "platform/Widgets.h"
#include "thermal/UnitReporteSumaT.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

namespace {

// The four lines of a chart from the held values, one series per row: Series1 to Series4 on
// the screen, Series5 to Series8 on the report.
void dibujar(Chart &chart, int primeraSerie, const QString &estacion, const SumaTemperatura::Valores &v)
{
    chartYear::setTitle(chart, estacion);
    for (int k = 0; k < SumaTemperatura::filas.size(); ++k)
        chartYear::fill(*chart.series(QStringLiteral("Series%1").arg(primeraSerie + k)),
                        v.*SumaTemperatura::filas.at(k).valores);
}

} // namespace

TFST::TFST(ScreenHost &host) : ModuleScreen(host, "TFST", QStringLiteral("Suma de temperatura"))
{
}

void TFST::build()
{
    addTopRow(QStringLiteral("Localidad:"));

    const int titleWidth = 230;
    auto *inputs = new kit::MonthTable(QStringLiteral("Panel1"), kit::monthsJanDec, QString(), titleWidth, this);
    inputs->addBoxRow(QStringLiteral("Temperatura Media:"), QStringLiteral("ET"));
    body()->addWidget(inputs);
    // The annual mean the index hands over is kept but never shown.
    QLabel *annual = kit::caption(QString(), false, this);
    annual->setObjectName(QStringLiteral("ETT"));
    annual->hide();

    auto *base = new QHBoxLayout();
    base->addWidget(kit::caption(QStringLiteral("Temperatura base en °C"), true, this));
    QLineEdit *etb = kit::box(QStringLiteral("ETB"), 60, this);
    etb->setText(QStringLiteral("7"));
    base->addWidget(etb);
    base->addStretch(1);
    body()->addLayout(base);

    // Degree-days per month; each row's annual sum has a label of its own that is not shown.
    body()->addWidget(kit::heading(QStringLiteral("Resultados Suma de Temperatura"), 13, this));
    auto *results = new kit::MonthTable(QStringLiteral("Panel2"), kit::monthsJanDec, QString(), titleWidth, this);
    for (const SumaTemperatura::Fila &f : SumaTemperatura::filas) {
        results->addCellRow(f.titulo, f.prefijo, 12);
        kit::cell(f.prefijo + QLatin1Char('T'), results)->hide();
    }
    body()->addWidget(results);

    // The two seasonal sums over the chosen base, and the report beside them.
    auto *seasons = new QGridLayout();
    seasons->setHorizontalSpacing(6);
    seasons->setVerticalSpacing(3);
    int r = 0;
    for (const SumaTemperatura::Cifra &c : SumaTemperatura::estacionales)
        kit::addCaptionedCell(seasons, r++, 0, c.titulo, c.celda, this, 90);
    auto *imprimir = kit::button(QStringLiteral("BImprimir"), QStringLiteral("Imprimir Informe"), this);
    seasons->addWidget(imprimir, 0, 3, 2, 1, Qt::AlignVCenter);
    seasons->setColumnMinimumWidth(2, 30);
    seasons->setColumnStretch(4, 1);
    body()->addLayout(seasons);

    m_chart = new Chart(QStringLiteral("Chart1"), this);
    m_chart->setMinimumHeight(180);
    m_chart->setTitleVisible(false);
    m_chart->setLegend(Chart::Legend::Below);
    m_chart->setBottomAxisMonthSlots();
    m_chart->bottomAxis().title = QStringLiteral("Meses del año");
    m_chart->leftAxis().title = QStringLiteral("Grados día");
    m_chart->leftAxis().increment = 10;
    m_chart->addLine(QStringLiteral("Series1"), QStringLiteral("Grados Días"), Qt::red);
    m_chart->addLine(QStringLiteral("Series2"), QStringLiteral("Gd sobre 0º"), kit::green);
    m_chart->addLine(QStringLiteral("Series3"), QStringLiteral("Gd sobre 10º"), kit::olive);
    m_chart->addLine(QStringLiteral("Series4"), QStringLiteral("Gd sobre 15 º"), Qt::blue);
    for (ChartSeries *s : m_chart->allSeries()) {
        s->setMarksVisible(false);
        s->setPointMarkers(true, 4);
    }
    body()->addWidget(m_chart, 1);

    onClick(control(QStringLiteral("BCalcular")), &TFST::BCalcularClick);
    onClick(imprimir, &TFST::BImprimirClick);
}

void TFST::receive(const TDatosLocalidad &place)
{
    placeBoxes::fillStation(*this, place);
    placeBoxes::fillMonths(*this, QStringLiteral("ET"), place.T);
    setText(QStringLiteral("ETT"), place.ETT);
}

void TFST::OnActivate()
{
    for (const SumaTemperatura::Fila &f : SumaTemperatura::filas) {
        for (int k = 1; k <= 12; ++k)
            setText(f.prefijo, k, QString());
        setText(f.prefijo + QLatin1Char('T'), QString());
    }
    for (const SumaTemperatura::Cifra &c : SumaTemperatura::estacionales)
        setText(c.celda, QString());
}

void TFST::BCalcularClick()
{
    const SumaTemperatura::Entrada entrada{text(QStringLiteral("EGrados")), text(QStringLiteral("EMinutos")),
                                           text(QStringLiteral("EHemisferio")), texts(QStringLiteral("ET")),
                                           text(QStringLiteral("ETB"))};
    SumaTemperatura::calcular(entrada, m_valores, output());
    dibujar(*m_chart, 1, text(QStringLiteral("EEstacion")), m_valores);
}

void TFST::BImprimirClick()
{
    llenarInforme();
    peer<TForm6>().Preview(this);
}

void TFST::llenarInforme()
{
    TForm6 &reporte = peer<TForm6>();
    for (const SumaTemperatura::Fila &f : SumaTemperatura::filas)
        reporte.copyTexts(*this, f.prefijo, 12);
    dibujar(reporte.QRChart1(), 5, text(QStringLiteral("EEstacion")), m_valores);
}

} // namespace verdeval
