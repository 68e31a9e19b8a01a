#include "evapotranspiration/UnitGraficoETP.h"

#include "evapotranspiration/UnitIngresoInformacion.h"
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
    top->addWidget(kit::heading(etpResultsTitle, 15, this), 0, 1, 2, 1);
    top->addWidget(cerrar, 0, 2, Qt::AlignRight | Qt::AlignTop);
    top->setColumnStretch(1, 1);
    top->setColumnMinimumWidth(2, again->sizeHint().width());
    body()->addLayout(top);
    body()->addSpacing(4);

    auto *results = new kit::MonthTable(QStringLiteral("Panel2"), kit::monthsJanDec, QStringLiteral("Año"), 160, this);
    for (const EtpResultRow &row : etpResultRows)
        results->addCellRow(QString::fromLatin1(row.caption), QString::fromLatin1(row.prefix), 12,
                            QString::fromLatin1(row.total));
    body()->addWidget(results);

    auto *chart = new Chart(QStringLiteral("Chart1"), this);
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
}

void TGraficoETP::BVolverACalcularClick()
{
    peer<TFIngresoInformacion>().present();
    closeScreen();
}

void TGraficoETP::BVolverIndiceClick()
{
    host().showIndex();
    closeScreen();
}

void TGraficoETP::BCerrarClick() { closeScreen(); }

} // namespace verdeval
