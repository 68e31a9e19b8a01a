#include "evapotranspiration/UnitInformacionNecesaria.h"

#include "evapotranspiration/UnitEpotencial.h"
#include "evapotranspiration/UnitIngresoInformacion.h"
#include "platform/Widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

namespace {

// Which methods need each datum: Thornthwaite, Turc, Hargreaves, Penman/FAO. Each column
// lists the rows that must be complete before that method's result row is filled: Turc, like
// Hargreaves, needs the heliophany and the humidity of the place.
const struct {
    const char *datum;
    bool needed[4];
} kData[] = {
    {"Latitud (en grados y minutos)", {true, true, true, true}},
    {"Temperatura media mensual (°C)", {true, true, true, true}},
    {"Temp. media de máximas (°C)", {false, true, true, true}},
    {"Temp. media de mínimas (°C)", {false, true, true, true}},
    {"Heliofanía efectiva (hs/día)", {false, true, true, true}},
    {"Humedad relativa (%)", {false, true, true, true}},
    {"Presión atmosférica (hPa)", {false, false, false, true}},
    {"Velocidad del viento (Km/h)", {false, false, false, true}},
    {"Altura de la estación (metros)", {false, false, false, true}},
    {"Altura del anemómetro (metros)", {false, false, false, true}},
    {"Albedo (%)", {false, false, false, true}},
};

} // namespace

TFEtpInformacion::TFEtpInformacion(ScreenHost &host)
    : Screen(host, "TFEtpInformacion", QStringLiteral("Información necesaria para los cálculos"))
{
}

void TFEtpInformacion::build()
{
    setWindowFlag(Qt::FramelessWindowHint);
    setGeometry(0, 0, 792, 543);

    auto *heading = kit::heading(QStringLiteral("Información necesaria para los cálculos"), 18, this);
    QPalette p = heading->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    heading->setPalette(p);
    body()->addWidget(heading);
    body()->addSpacing(8);

    // Twelve bordered strips, one header and eleven data rows, each spanning the five columns.
    auto *table = new QGridLayout();
    table->setHorizontalSpacing(0);
    table->setVerticalSpacing(2);
    table->setColumnStretch(0, 5);
    for (int c = 1; c <= 4; ++c)
        table->setColumnStretch(c, 2);
    auto addStrip = [this, table](int row, const QStringList &texts, const bool *stars) {
        auto *strip = new QFrame(this);
        strip->setFrameStyle(QFrame::Box | QFrame::Plain);
        strip->setMinimumHeight(30);
        kit::paintSilver(strip);
        table->addWidget(strip, row, 0, 1, 5);
        for (int c = 0; c < 5; ++c) {
            const bool header = !stars;
            QString t = header ? texts.at(c) : c == 0 ? texts.at(0) : stars[c - 1] ? QStringLiteral("*") : QString();
            QLabel *l = kit::caption(t, header || c > 0, this);
            if (!header && c > 0) {
                QFont f = l->font();
                f.setPointSize(f.pointSize() + 4);
                l->setFont(f);
            }
            l->setAlignment(c == 0 ? Qt::AlignVCenter | Qt::AlignLeft : Qt::AlignCenter);
            l->setContentsMargins(c == 0 ? 10 : 0, 0, 0, 0);
            table->addWidget(l, row, c);
        }
    };
    addStrip(0, {"Datos", "Thornthwaite", "Turc", "Hargreaves", "Penman/FAO"}, nullptr);
    int row = 1;
    for (const auto &d : kData)
        addStrip(row++, {QString::fromUtf8(d.datum)}, d.needed);
    body()->addLayout(table);
    body()->addSpacing(12);

    auto *buttons = new QHBoxLayout();
    auto *back = kit::button(QStringLiteral("BVolverIndice"), QStringLiteral("Volver al Índice Evapotranspiración"), this);
    auto *entry = kit::button(QStringLiteral("BIngresoDatos"), QStringLiteral("Ir a Ingreso de Datos"), this);
    buttons->addStretch(1);
    buttons->addWidget(back);
    buttons->addSpacing(40);
    buttons->addWidget(entry);
    buttons->addStretch(1);
    body()->addLayout(buttons);
    body()->addStretch(1);

    onClick(back, &TFEtpInformacion::BVolverIndiceClick);
    onClick(entry, &TFEtpInformacion::BIngresoDatosClick);
}

void TFEtpInformacion::BVolverIndiceClick()
{
    peer<TFEPotencial>().present();
    closeScreen();
}

void TFEtpInformacion::BIngresoDatosClick()
{
    peer<TFIngresoInformacion>().present();
    closeScreen();
}

} // namespace verdeval
