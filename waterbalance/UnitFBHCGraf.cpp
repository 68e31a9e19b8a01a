#include "waterbalance/UnitFBHCGraf.h"

#include "output/Chart.h"
#include "platform/Widgets.h"
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
        chart->setLegend(Chart::Legend::Below);
        chart->setBottomAxisMonthSlots();
        chart->bottomAxis().title = QStringLiteral("Meses");
        chart->leftAxis().title = QStringLiteral("Milímetros");
        body()->addWidget(chart, 1);
        return chart;
    };

    Chart *upper = makeChart(QStringLiteral("Chart1"));
    upper->setHorizontalGrid(Qt::black, 2);
    upper->leftAxis().increment = 30;
    upper->addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación Media Mensual"), kit::lime, 20);
    upper->addLine(QStringLiteral("Series2"), QStringLiteral("EP"), Qt::red);
    upper->addLine(QStringLiteral("Series3"), QStringLiteral("ER"), Qt::blue);
    upper->addLine(QStringLiteral("Series4"), QStringLiteral("Situación Hídrica"), QColor(0x00, 0x80, 0x80));

    Chart *lower = makeChart(QStringLiteral("Chart2"));
    lower->addLine(QStringLiteral("Series5"), QStringLiteral("Almacenaje más Exceso"), kit::lime);
    lower->addLine(QStringLiteral("Series6"), QStringLiteral("Capacidad de Campo"), Qt::blue);
    lower->addLine(QStringLiteral("Series7"), QStringLiteral("Punto de Marchitez"), Qt::red);
    lower->addLine(QStringLiteral("Series8"), QStringLiteral("Sequía Condicional"), QColor(0x40, 0x80, 0x80))->setPen(2);
    for (Chart *chart : {upper, lower})
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
