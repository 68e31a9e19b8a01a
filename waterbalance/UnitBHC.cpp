#include "waterbalance/UnitBHC.h"

#include "location/PlaceBoxes.h"
#include "platform/Widgets.h"
#include "waterbalance/UnitFBHCGraf.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

void overlayDelta(QLabel *caption)
{
    auto *delta = new QLabel(QStringLiteral("Δ"), caption);
    delta->setFont(caption->font());
    delta->setPalette(caption->palette());
    auto *layout = new QHBoxLayout(caption);
    layout->setContentsMargins(caption->contentsMargins());
    layout->addWidget(delta);
    layout->addStretch(1);
}

TFBHC::TFBHC(ScreenHost &host)
    : ModuleScreen(host, "TFBHC", QStringLiteral("Ingreso de información para el cálculo del Balance hidrológico climático"))
{
}

void TFBHC::build()
{
    addTopRow(QStringLiteral("Localidad:"));
    body()->addSpacing(4);

    // The soil's holding capacity: any value may be typed; the list offers 50 to 300 mm.
    auto *capacity = new QHBoxLayout();
    auto *ecc = new QComboBox(this);
    ecc->setObjectName(QStringLiteral("ECC"));
    ecc->setEditable(true);
    ecc->setInsertPolicy(QComboBox::NoInsert);
    for (int mm = 50; mm <= 290; mm += 10)
        ecc->addItem(QString::number(mm) + QLatin1Char(' '));
    ecc->addItems({QStringLiteral("300"), QString()});
    ecc->setCurrentIndex(-1);
    ecc->setEditText(QStringLiteral("200"));
    ecc->setMinimumWidth(90);
    capacity->addWidget(kit::caption(QStringLiteral("Capacidad de Campo:"), true, this));
    capacity->addWidget(ecc);
    capacity->addStretch(1);
    body()->addLayout(capacity);
    body()->addSpacing(4);

    // Inputs and results share their column widths, so that the months line up.
    const int titleWidth = 250;
    auto *inputs = new kit::MonthTable(QStringLiteral("Panel1"), kit::monthsJanDec, QStringLiteral("Anual"), titleWidth, this);
    inputs->addBoxRow(QStringLiteral("Precipitación:"), QStringLiteral("EPP"), 12, QStringLiteral("EPPT"));
    inputs->addBoxRow(QStringLiteral("Temperatura:"), QStringLiteral("ET"), 12, QStringLiteral("ETT"));
    body()->addWidget(inputs);
    body()->addSpacing(10);

    body()->addWidget(kit::heading(QStringLiteral("Resultados del Balance Hidrológico Climático"), 15, this));
    auto *results = new kit::MonthTable(QStringLiteral("Panel2"), kit::monthsJanDec, QStringLiteral("Anual"), titleWidth, this);
    const struct {
        const char *caption;
        const char *prefix;
        const char *annual;
    } rows[] = {
        {"Evapotranspiración Potencial", "EEP", "EEPT"},
        {"Precipitación-Evapotranspiración", "EDP", "EDPT"},
        {"Almcenaje", "EAL", "EALT"},
        {"   Almacenaje", "EDAL", "EDALT"},
        {"Evapotranspiración Real", "EER", "EERT"},
        {"Deficiencia", "EDE", "EDET"},
        {"Exceso", "EEX", "EEXT"},
    };
    for (const auto &r : rows) {
        results->addCellRow(QString::fromUtf8(r.caption), QString::fromLatin1(r.prefix), 12, QString::fromLatin1(r.annual));
        if (QLatin1String(r.prefix) == QLatin1String("EDAL"))
            overlayDelta(results->lastTitle());
    }
    body()->addWidget(results);
    body()->addSpacing(10);

    auto *buttons = new QHBoxLayout();
    auto *graficos = kit::button(QStringLiteral("BGraficos"), QStringLiteral("Ver Gráficos"), this);
    auto *imprimir = kit::button(QStringLiteral("BImprimir"), QStringLiteral("Imprimir Informe"), this);
    buttons->addStretch(1);
    buttons->addWidget(graficos);
    buttons->addSpacing(40);
    buttons->addWidget(imprimir);
    buttons->addStretch(1);
    body()->addLayout(buttons);
    body()->addStretch(1);

    onClick(graficos, &TFBHC::BGraficosClick);
}

void TFBHC::receive(const TDatosLocalidad &place)
{
    placeBoxes::fillClimate(*this, place);
}

void TFBHC::BGraficosClick()
{
    peer<TFBHCGraf>().present();
    closeScreen();
}

} // namespace verdeval
