#include "waterbalance/UnitBHC.h"

#include "location/PlaceBoxes.h"
#include "platform/Widgets.h"
#include "waterbalance/GraficosBalance.h"
#include "waterbalance/UnitFBHCGraf.h"
#include "waterbalance/UnitReporteBHC.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

namespace {

// The caption's own font when it has the Greek capital delta, else the first font of the
// system that has Greek letters in the same size and weight.
QFont deltaFont(const QFont &captionFont)
{
    const QChar delta(0x0394);
    if (QFontMetrics(captionFont).inFont(delta))
        return captionFont;
    const QStringList greek = QFontDatabase::families(QFontDatabase::Greek);
    for (const QString &family : greek) {
        QFont f = captionFont;
        f.setFamily(family);
        if (QFontMetrics(f).inFont(delta))
            return f;
    }
    return captionFont;
}

} // namespace

void overlayDelta(QLabel *caption)
{
    auto *delta = new QLabel(QStringLiteral("Δ"), caption);
    delta->setFont(deltaFont(caption->font()));
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
    // The delta is drawn over the blanks that open its caption.
    for (const BalanceHidrico::Fila &f : BalanceHidrico::filas) {
        const QString caption = f.delta ? QStringLiteral("   ") + f.titulo : f.titulo;
        results->addCellRow(caption, f.prefijo, 12, f.prefijo + QLatin1Char('T'));
        if (f.delta)
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

    // Tab order: the place, the capacity, the months row by row, then the buttons as they
    // read, top row first.
    QList<QWidget *> order;
    for (const char *name : {"EEstacion", "EGrados", "EMinutos", "EHemisferio", "ECC"})
        order << control(QString::fromLatin1(name));
    for (const char *prefix : {"EPP", "ET"})
        for (int m = 1; m <= 12; ++m)
            order << control(QString::fromLatin1(prefix), m);
    for (const char *name : {"BVolverAlIndice", "BCalcular", "BCerrar", "BGraficos", "BImprimir"})
        order << control(QString::fromLatin1(name));
    for (int k = 1; k < order.size(); ++k)
        setTabOrder(order.at(k - 1), order.at(k));

    onClick(control(QStringLiteral("BCalcular")), &TFBHC::BCalcularClick);
    onClick(graficos, &TFBHC::BGraficosClick);
    onClick(imprimir, &TFBHC::BImprimirClick);
}

void TFBHC::receive(const TDatosLocalidad &place)
{
    placeBoxes::fillClimate(*this, place);
}

void TFBHC::BCalcularClick()
{
    BalanceHidrico::Entrada entrada;
    entrada.grados = text(QStringLiteral("EGrados"));
    entrada.minutos = text(QStringLiteral("EMinutos"));
    entrada.hemisferio = text(QStringLiteral("EHemisferio"));
    for (int m = 1; m <= 12; ++m) {
        entrada.T << text(QStringLiteral("ET"), m);
        entrada.PP << text(QStringLiteral("EPP"), m);
    }
    entrada.CC = text(QStringLiteral("ECC"));
    BalanceHidrico::calcular(entrada, m_valores, output());
}

void TFBHC::BGraficosClick()
{
    TFBHCGraf &graficos = peer<TFBHCGraf>();
    const QString estacion = text(QStringLiteral("EEstacion"));
    GraficosBalance::llenarBalance(graficos.Chart1(), m_valores, estacion);
    GraficosBalance::llenarSuelo(graficos.Chart2(), m_valores, QStringLiteral("Variación del agua del suelo"), estacion);
    graficos.present();
    closeScreen();
}

void TFBHC::BImprimirClick()
{
    TForm5 &reporte = peer<TForm5>();
    for (const BalanceHidrico::Fila &f : BalanceHidrico::filas)
        reporte.copyTexts(*this, f.prefijo, 12);
    const QString estacion = text(QStringLiteral("EEstacion"));
    GraficosBalance::llenarBalance(reporte.QRChart1(), m_valores, estacion);
    // The report's second chart has always been titled with a trailing blank.
    GraficosBalance::llenarSuelo(reporte.QRChart2(), m_valores, QStringLiteral("Variación del agua del suelo "), estacion);
    reporte.Preview(this);
}

void TFBHC::OnClose()
{
    setText(QStringLiteral("EEstacion"), QString());
    for (const BalanceHidrico::Fila &f : BalanceHidrico::filas)
        for (int m = 1; m <= 12; ++m)
            setText(f.prefijo, m, QString());
    for (const QString &anual : BalanceHidrico::anuales)
        setText(anual, QString());
}

} // namespace verdeval
