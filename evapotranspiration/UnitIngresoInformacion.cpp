#include "evapotranspiration/UnitIngresoInformacion.h"

#include "evapotranspiration/TablaETP.h"
#include "evapotranspiration/UnitGraficoETP.h"
#include "location/PlaceBoxes.h"
#include "platform/Widgets.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

TFIngresoInformacion::TFIngresoInformacion(ScreenHost &host)
    : ModuleScreen(host, "TFIngresoInformacion", QStringLiteral("Ingreso de información para el cálculo de la ETP"))
{
}

void TFIngresoInformacion::build()
{
    addTopRow(QStringLiteral("Nombre de la Estación:"));
    // The longer caption leaves the name box less room in the narrowest windows.
    box(QStringLiteral("EEstacion"))->setMinimumWidth(96);
    body()->addSpacing(6);

    // The input grid, one row per monthly series, January to December.
    auto *inputs = new kit::MonthTable(QStringLiteral("Panel1"), kit::monthsJanDec, QString(), 250, this);
    const struct {
        const char *caption;
        const char *prefix;
    } series[] = {
        {"Temperatura media mensual (°C)", "ETMMe"}, {"Temp. máx. media (°C)", "ETMMa"},
        {"Temp. mín. media (°C)", "ETMMi"},          {"Heliofanía efectiva (hs/día)", "EHE"},
        {"Humedad relativa (%)", "EHR"},             {"Presión atmosférica (hPa)", "EPA"},
        {"Velocidad del viento (Km/h)", "EVV"},
    };
    QList<QWidget *> order{box(QStringLiteral("EEstacion"))};
    for (const auto &s : series)
        for (QLineEdit *e : inputs->addBoxRow(QString::fromUtf8(s.caption), QString::fromLatin1(s.prefix)))
            order << e;
    body()->addWidget(inputs);
    body()->addSpacing(6);

    // The three single values, and "&Mostrar Gráfico" to their right.
    auto *single = new QGridLayout();
    single->setHorizontalSpacing(8);
    single->setVerticalSpacing(3);
    const struct {
        const char *caption;
        const char *name;
    } values[] = {
        {"Altura de la estación (metros sobre el nivel del mar)", "EAE"},
        {"Altura del anemómetro (metros)", "EAA"},
        {"Albedo (%)", "EA"},
    };
    int r = 0;
    for (const auto &v : values) {
        QLineEdit *e = kit::box(QString::fromLatin1(v.name), 64, this);
        single->addWidget(kit::caption(QString::fromUtf8(v.caption), true, this), r, 0);
        single->addWidget(e, r, 1);
        order << e;
        ++r;
    }
    auto *mostrar = kit::button(QStringLiteral("BMostrarG"), QStringLiteral("&Mostrar Gráfico"), this);
    single->addWidget(mostrar, 0, 2, r, 1, Qt::AlignVCenter);
    single->setColumnMinimumWidth(2, 160);
    single->setColumnStretch(3, 1);
    body()->addLayout(single);
    body()->addSpacing(10);

    // The results: one row per method, the annual total at the right.
    body()->addWidget(kit::heading(TablaETP::titulo, 15, this));
    auto *results = new kit::MonthTable(QStringLiteral("Panel2"), kit::monthsJanDec, QStringLiteral("Año"), 250, this);
    TablaETP::agregarFilas(*results);
    body()->addWidget(results);
    body()->addStretch(1);

    // Tab order: the station, the grid row by row, the single values, the buttons, and last the
    // latitude boxes.
    for (const char *name : {"BCalcular", "BMostrarG", "BCerrar", "BVolverAlIndice", "EMinutos", "EGrados", "EHemisferio"})
        order << control(QString::fromLatin1(name));
    for (int k = 1; k < order.size(); ++k)
        setTabOrder(order.at(k - 1), order.at(k));
    for (QWidget *w : order)
        w->installEventFilter(this);

    onClick(control(QStringLiteral("BCalcular")), &TFIngresoInformacion::BCalcularClick);
    onClick(mostrar, &TFIngresoInformacion::BMostrarGClick);
}

void TFIngresoInformacion::receive(const TDatosLocalidad &place)
{
    placeBoxes::fillStation(*this, place);
    placeBoxes::fillMonths(*this, QStringLiteral("ETMMe"), place.T);
    placeBoxes::fillMonths(*this, QStringLiteral("ETMMa"), place.TMa);
    placeBoxes::fillMonths(*this, QStringLiteral("ETMMi"), place.TMi);
    placeBoxes::fillMonths(*this, QStringLiteral("EHE"), place.HE);
    placeBoxes::fillMonths(*this, QStringLiteral("EHR"), place.HR);
    placeBoxes::fillMonths(*this, QStringLiteral("EPA"), place.PA);
    placeBoxes::fillMonths(*this, QStringLiteral("EVV"), place.VV);
    setText(QStringLiteral("EAE"), place.EAltitud);
}

void TFIngresoInformacion::OnActivate() { TablaETP::vaciar(*this, true); }

void TFIngresoInformacion::BCalcularClick()
{
    const auto fila = [this](const char *prefijo) {
        QStringList textos;
        for (int m = 1; m <= 12; ++m)
            textos << text(QLatin1String(prefijo), m);
        return textos;
    };
    Evapotranspiracion::Entrada entrada;
    entrada.grados = text(QStringLiteral("EGrados"));
    entrada.minutos = text(QStringLiteral("EMinutos"));
    entrada.hemisferio = text(QStringLiteral("EHemisferio"));
    entrada.T = fila("ETMMe");
    entrada.Tx = fila("ETMMa");
    entrada.Tn = fila("ETMMi");
    entrada.n = fila("EHE");
    entrada.HR = fila("EHR");
    entrada.P = fila("EPA");
    entrada.V = fila("EVV");
    entrada.altitud = text(QStringLiteral("EAE"));
    entrada.anemometro = text(QStringLiteral("EAA"));
    entrada.albedo = text(QStringLiteral("EA"));
    Evapotranspiracion::calcular(entrada, m_estado, output());
}

void TFIngresoInformacion::BMostrarGClick()
{
    peer<TGraficoETP>().present();
    closeScreen();
}

bool TFIngresoInformacion::FormKeyPress(QKeyEvent *key)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    focusNextChild();
    return true;
}

bool TFIngresoInformacion::eventFilter(QObject *watched, QEvent *event)
{
    // A focused button takes Enter itself and is pressed.
    if (event->type() == QEvent::KeyPress && !qobject_cast<QAbstractButton *>(watched)
        && FormKeyPress(static_cast<QKeyEvent *>(event)))
        return true;
    return ModuleScreen::eventFilter(watched, event);
}

} // namespace verdeval
