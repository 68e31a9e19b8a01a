#include "evapotranspiration/UnitGraficoETP.h"

#include "evapotranspiration/TablaETP.h"
#include "evapotranspiration/UnitIngresoInformacion.h"
#include "evapotranspiration/UnitReporte.h"
#include "output/Chart.h"
#include "platform/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace verdeval {

TGraficoETP::TGraficoETP(ScreenHost &host) : Screen(host, "TGraficoETP", QStringLiteral("Resultados con gráfico"))
{
}

void TGraficoETP::build()
{
    // System menu and minimise button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // Top: the two ways back at the left, the title in the middle, "&Cerrar" at the right.
    auto *top = new QGridLayout();
    auto *again = kit::button(QStringLiteral("BVolverACalcular"), QStringLiteral("Volver a Calcular Datos"), this);
    auto *index = kit::button(QStringLiteral("BVolverIndice"), QStringLiteral("&Volver al Índice"), this);
    auto *cerrar = kit::button(QStringLiteral("BCerrar"), QStringLiteral("&Cerrar"), this);
    top->addWidget(again, 0, 0);
    top->addWidget(index, 1, 0);
    top->addWidget(kit::heading(TablaETP::titulo, 15, this), 0, 1, 2, 1);
    top->addWidget(cerrar, 0, 2, Qt::AlignRight | Qt::AlignTop);
    top->setColumnStretch(1, 1);
    top->setColumnMinimumWidth(2, again->sizeHint().width());
    body()->addLayout(top);
    body()->addSpacing(4);

    auto *results = new kit::MonthTable(QStringLiteral("Panel2"), kit::monthsJanDec, QStringLiteral("Año"), 160, this);
    TablaETP::agregarFilas(*results);
    body()->addWidget(results);

    auto *chart = m_chart = new Chart(QStringLiteral("Chart1"), this);
    chart->setMinimumHeight(300);
    chart->setLegend(Chart::Legend::Below);
    chart->setBottomAxisMonthSlots();
    chart->bottomAxis().title = QStringLiteral("Meses del año");
    chart->leftAxis().title = QStringLiteral("Milímetros/mes");
    chart->leftAxis().setMinimumFixed(0);
    chart->leftAxis().increment = 10;
    chart->addLine(QStringLiteral("Series1"), QStringLiteral("ET (Thornthwaite)"), Qt::red);
    chart->addLine(QStringLiteral("Series2"), QStringLiteral("ET (Turc) "), kit::green);
    chart->addLine(QStringLiteral("Series3"), QStringLiteral("ET (Hargreaves)"), kit::olive);
    chart->addLine(QStringLiteral("Series4"), QStringLiteral("ET (Penman-FAO)"), Qt::blue);
    for (ChartSeries *s : chart->allSeries())
        s->setMarksVisible(false);
    body()->addWidget(chart, 1);

    auto *print = kit::button(QStringLiteral("Button1"), QStringLiteral("Imprimir Informe"), this);
    body()->addWidget(print, 0, Qt::AlignHCenter);

    // "&Cerrar" is the screen's cancel button: Esc presses it.
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, cerrar, &QPushButton::click);

    onClick(again, &TGraficoETP::BVolverACalcularClick);
    onClick(index, &TGraficoETP::BVolverIndiceClick);
    onClick(cerrar, &TGraficoETP::BCerrarClick);
    onClick(print, &TGraficoETP::Button1Click);
}

void TGraficoETP::OnActivate()
{
    TFIngresoInformacion &entrada = peer<TFIngresoInformacion>();
    const TResultadosETP &r = entrada.resultados();
    TablaETP::escribir(*this, r);
    m_chart->titleClear();
    m_chart->titleAdd(entrada.text(QStringLiteral("EEstacion")));
    const QList<ChartSeries *> series = m_chart->allSeries();
    for (int k = 0; k < Evapotranspiracion::cantidadMetodos; ++k) {
        // Thornthwaite always has its line (zero before any calculation); the others only
        // once a calculation has reached them.
        if (k == Evapotranspiracion::Thornthwaite || r.metodos[k].alcanzado)
            TablaETP::llenarSerie(*series.at(k), r.metodos[k].meses);
        else
            series.at(k)->Clear();
    }
}

void TGraficoETP::OnClose() { TablaETP::vaciar(*this, false); }

void TGraficoETP::Button1Click()
{
    TForm2 &reporte = peer<TForm2>();
    for (const Evapotranspiracion::Celdas &c : Evapotranspiracion::celdas) {
        reporte.copyTexts(*this, QLatin1String(c.prefijo), 12);
        reporte.setText(QLatin1String(c.total), text(QLatin1String(c.total)));
    }
    TFIngresoInformacion &entrada = peer<TFIngresoInformacion>();
    Chart &chart = reporte.QRChart1();
    chart.titleClear();
    chart.titleAdd(entrada.text(QStringLiteral("EEstacion")));
    chart.setBottomAxisMonthSlots();
    // All four lines, whatever the methods reached.
    const QList<ChartSeries *> series = chart.allSeries();
    for (int k = 0; k < Evapotranspiracion::cantidadMetodos; ++k)
        TablaETP::llenarSerie(*series.at(k), entrada.resultados().metodos[k].meses);
    reporte.Preview(this);
}

void TGraficoETP::BVolverACalcularClick()
{
    peer<TFIngresoInformacion>().present();
    closeScreen();
}

void TGraficoETP::BVolverIndiceClick()
{
    TablaETP::vaciar(*this, false);
    host().showIndex();
    closeScreen();
}

void TGraficoETP::BCerrarClick() { closeScreen(); }

} // namespace verdeval
