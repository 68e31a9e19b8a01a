#include "waterbalance/UnitFBHCGraf.h"

#include "output/Chart.h"
#include "platform/Widgets.h"
#include "waterbalance/GraficosBalance.h"
#include "waterbalance/UnitBHC.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

TFBHCGraf::TFBHCGraf(ScreenHost &host) : Screen(host, "TFBHCGraf", QStringLiteral("Balance hidrológico climático. Gráficos"))
{
}

void TFBHCGraf::build()
{
    auto makeChart = [this](const QString &name) {
        auto *chart = new Chart(name, this);
        GraficosBalance::preparar(*chart);
        body()->addWidget(chart, 1);
        return chart;
    };

    m_balance = makeChart(QStringLiteral("Chart1"));
    m_balance->setHorizontalGrid(Qt::black, 2);
    m_balance->leftAxis().increment = 30;
    m_balance->addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación Media Mensual"), kit::lime, 20);
    m_balance->addLine(QStringLiteral("Series2"), QStringLiteral("EP"), Qt::red);
    m_balance->addLine(QStringLiteral("Series3"), QStringLiteral("ER"), Qt::blue);
    m_balance->addLine(QStringLiteral("Series4"), QStringLiteral("Situación Hídrica"), QColor(0x00, 0x80, 0x80));

    m_suelo = makeChart(QStringLiteral("Chart2"));
    // From zero, as on the report: fitted to the data, the wilting point (always the lowest
    // line while the soil holds water) would lie on the axis itself.
    m_suelo->leftAxis().setMinimumFixed(0);
    m_suelo->addLine(QStringLiteral("Series5"), QStringLiteral("Almacenaje más Exceso"), kit::lime);
    m_suelo->addLine(QStringLiteral("Series6"), QStringLiteral("Capacidad de Campo"), Qt::blue);
    m_suelo->addLine(QStringLiteral("Series7"), QStringLiteral("Punto de Marchitez"), Qt::red);
    m_suelo->addLine(QStringLiteral("Series8"), QStringLiteral("Sequía Condicional"), QColor(0x40, 0x80, 0x80))->setPen(2);
    for (Chart *chart : {m_balance, m_suelo})
        for (ChartSeries *s : chart->allSeries()) {
            s->setMarksVisible(false);
            if (s->kind() == ChartSeries::Kind::Line && s->name() != QLatin1String("Series8"))
                s->setPen(1);
        }

    auto *buttons = new QHBoxLayout();
    auto *volver = kit::button(QStringLiteral("BVolver"), QStringLiteral("&Volver"), this);
    auto *salir = kit::button(QStringLiteral("BSalir"), QStringLiteral("&Salir"), this);
    buttons->addStretch(1);
    buttons->addWidget(volver);
    buttons->addSpacing(40);
    buttons->addWidget(salir);
    buttons->addStretch(1);
    body()->addLayout(buttons);

    onClick(volver, &TFBHCGraf::BVolverClick);
    onClick(salir, &TFBHCGraf::BSalirClick);
}

void TFBHCGraf::BVolverClick()
{
    peer<TFBHC>().present();
    closeScreen();
}

void TFBHCGraf::BSalirClick() { host().endProgram(); }

} // namespace verdeval
