#include "thermal/UnitSumaTemp.h"

#include "location/PlaceBoxes.h"
#include "output/Chart.h"
#include "platform/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

TFST::TFST(ScreenHost &host) : ModuleScreen(host, "TFST", QStringLiteral("Suma de temperatura"))
{
}

void TFST::build()
{
    addTopRow(QStringLiteral("Localidad:"));
    body()->addSpacing(4);

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
    body()->addSpacing(6);

    // Degree-days per month; each row's annual sum has a label of its own that is not shown.
    body()->addWidget(kit::heading(QStringLiteral("Resultados Suma de Tempertura"), 15, this));
    auto *results = new kit::MonthTable(QStringLiteral("Panel2"), kit::monthsJanDec, QString(), titleWidth, this);
    const struct {
        const char *caption;
        const char *prefix;
        const char *annual;
    } rows[] = {
        {"Grados Día (Grados días/tb)", "EEP", "EEPT"},
        {"Gd sobre 0°C", "EDP", "EDPT"},
        {"Gd sobre 10°C", "EAL", "EALT"},
        {"Gd sobre 15°C", "EDAL", "EDALT"},
    };
    for (const auto &r : rows) {
        results->addCellRow(QString::fromUtf8(r.caption), QString::fromLatin1(r.prefix), 12);
        QLabel *sum = kit::cell(QString::fromLatin1(r.annual), results);
        sum->hide();
    }
    body()->addWidget(results);
    body()->addSpacing(4);

    // The two seasonal sums over the chosen base.
    auto *seasons = new QGridLayout();
    seasons->setHorizontalSpacing(6);
    seasons->setVerticalSpacing(3);
    const struct {
        const char *caption;
        const char *name;
    } sums[] = {
        {"Gd para cultivos de ciclo inverno-primaveral (Junio a Diciembre) s/T base seleccionada", "EHFT"},
        {"Gd para cultivos de ciclo primavero-estival (Octubre a Marzo) s/T base seleccionada", "EHFC"},
    };
    int r = 0;
    for (const auto &s : sums) {
        seasons->addWidget(kit::rowTitle(QString::fromUtf8(s.caption), this), r, 0);
        QLabel *value = kit::cell(QString::fromLatin1(s.name), this);
        value->setMinimumWidth(90);
        seasons->addWidget(value, r, 1);
        ++r;
    }
    seasons->addWidget(kit::button(QStringLiteral("BImprimir"), QStringLiteral("Imprimir Informe"), this), 0, 3, 2, 1,
                       Qt::AlignVCenter);
    seasons->setColumnMinimumWidth(2, 30);
    seasons->setColumnStretch(4, 1);
    body()->addLayout(seasons);

    auto *chart = new Chart(QStringLiteral("Chart1"), this);
    chart->setMinimumHeight(260);
    chart->setTitleVisible(false);
    chart->setLegend(Chart::Legend::Below);
    chart->setBottomAxisMonthSlots();
    chart->bottomAxis().title = QStringLiteral("Meses del año");
    chart->leftAxis().title = QStringLiteral("Grados día");
    chart->leftAxis().increment = 10;
    chart->addLine(QStringLiteral("Series1"), QStringLiteral("Grados Días"), Qt::red);
    chart->addLine(QStringLiteral("Series2"), QStringLiteral("Gd sobre 0º"), kit::green);
    chart->addLine(QStringLiteral("Series3"), QStringLiteral("Gd sobre 10º"), kit::olive);
    chart->addLine(QStringLiteral("Series4"), QStringLiteral("Gd sobre 15 º"), Qt::blue);
    for (ChartSeries *s : chart->allSeries()) {
        s->setMarksVisible(false);
        s->setPointMarkers(true, 4);
    }
    body()->addWidget(chart, 1);
}

void TFST::receive(const TDatosLocalidad &place)
{
    placeBoxes::fillStation(*this, place);
    placeBoxes::fillMonths(*this, QStringLiteral("ET"), place.T);
    setText(QStringLiteral("ETT"), place.ETT);
}

} // namespace verdeval
