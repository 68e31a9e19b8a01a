#include "thermal/UnitHF.h"

#include "location/PlaceBoxes.h"
#include "platform/Widgets.h"
#include "thermal/UnitReporteHFrio.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

TFHF::TFHF(ScreenHost &host) : ModuleScreen(host, "TFHF", QStringLiteral("Cálculo de Horas de frío"))
{
}

void TFHF::build()
{
    addTopRow(QStringLiteral("Localidad:"));
    body()->addSpacing(6);

    auto *inputs = new kit::MonthTable(QStringLiteral("Panel1"), kit::monthsJanDec, QStringLiteral("Anual"), 230, this);
    inputs->addBoxRow(QStringLiteral("Temperatura Mínima Media:"), QStringLiteral("ETmi"), 12, QStringLiteral("ETmiT"), true);
    body()->addWidget(inputs);
    body()->addSpacing(14);

    body()->addWidget(kit::heading(QStringLiteral("Horas de Frío"), 15, this));
    auto *method = kit::caption(QStringLiteral("Metodología Damario - Pascale - Bustos (1998)."), true, this);
    method->setAlignment(Qt::AlignCenter);
    body()->addWidget(method);
    body()->addSpacing(8);

    // The three figures, one per line, each caption beside its value.
    auto *figures = new QGridLayout();
    figures->setHorizontalSpacing(6);
    figures->setVerticalSpacing(6);
    int r = 0;
    for (const HorasFrio::Cifra &c : HorasFrio::cifras)
        kit::addCaptionedCell(figures, r++, 1, c.titulo, c.celda, this, 110);
    figures->setColumnStretch(0, 1);
    figures->setColumnStretch(3, 1);
    body()->addLayout(figures);
    body()->addSpacing(14);

    auto *imprimir = kit::button(QStringLiteral("BImprimir"), QStringLiteral("Imprimir Informe"), this);
    body()->addWidget(imprimir, 0, Qt::AlignHCenter);
    body()->addStretch(1);

    onClick(control(QStringLiteral("BCalcular")), &TFHF::BCalcularClick);
    onClick(imprimir, &TFHF::BImprimirClick);
}

void TFHF::receive(const TDatosLocalidad &place)
{
    placeBoxes::fillStation(*this, place);
    placeBoxes::fillMonths(*this, QStringLiteral("ETmi"), place.TMi);
}

void TFHF::BCalcularClick()
{
    const HorasFrio::Entrada entrada{text(QStringLiteral("EGrados")), text(QStringLiteral("EMinutos")),
                                     text(QStringLiteral("EHemisferio")), texts(QStringLiteral("ETmi"))};
    HorasFrio::calcular(entrada, m_valores, output());
}

void TFHF::BImprimirClick()
{
    llenarInforme();
    peer<TForm8>().Preview(this);
}

void TFHF::llenarInforme()
{
    TForm8 &reporte = peer<TForm8>();
    reporte.copyTexts(*this, QStringLiteral("ETmi"), 12, QStringLiteral("ERG"));
    for (const char *name : {"EHFT", "EHFC", "EHFE"})
        reporte.setText(QString::fromLatin1(name), text(QString::fromLatin1(name)));
}

} // namespace verdeval
