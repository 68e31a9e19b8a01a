#include "location/UnitIngresoDatosGenericos.h"

#include "platform/Widgets.h"
#include "platform/core/Latitude.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

namespace {
const QString kMissing = QStringLiteral("Debe ingresar todos los datos en los cuadros de precipitación y temperatura, "
                                        "utilizando el punto como separador decimal.");
}

TFIngresoDatosGenericos::TFIngresoDatosGenericos(ScreenHost &host)
    : Screen(host, "TFIngresoDatosGenericos", QStringLiteral("Ingreso de datos genéricos de una localidad"))
{
}

void TFIngresoDatosGenericos::build()
{
    body()->addWidget(kit::heading(QStringLiteral("Ingreso de Datos Propios"), 18, this));
    body()->addSpacing(10);

    // Name, coordinates and altitude, in tab order.
    QGridLayout *place = kit::placeGrid(this, false);
    QLineEdit *station = box(QStringLiteral("EEstacion"));
    QLineEdit *deg = box(QStringLiteral("EGrados"));
    QLineEdit *min = box(QStringLiteral("EMinutos"));
    QLineEdit *degL = box(QStringLiteral("EGradosL"));
    QLineEdit *minL = box(QStringLiteral("EMinutosL"));
    QLineEdit *alt = box(QStringLiteral("EAltitud"));
    QLineEdit *hem = box(QStringLiteral("EHemisferio"));
    body()->addLayout(place);
    body()->addSpacing(12);

    auto *table = new kit::MonthTable(QStringLiteral("Panel1"), kit::monthsJanDec, QStringLiteral("Anual"), 150, this);
    const QList<QLineEdit *> pp = table->addBoxRow(QStringLiteral("Precipitación:"), QStringLiteral("EPP"), 12, QStringLiteral("EPPT"));
    const QList<QLineEdit *> t = table->addBoxRow(QStringLiteral("Temperatura:"), QStringLiteral("ET"), 12, QStringLiteral("ETT"));
    body()->addWidget(table);

    auto *note = kit::caption(
        QStringLiteral("IMPORTANTE: Recuerde ingresar los datos usando como separador decimal el punto (.). Luego de colocar "
                       "el valor correspondiente al mes de Diciembre, el programa calculará automáticamente el valor "
                       "Anual, por lo cual, recuerde colocarlo en último lugar."),
        true, this);
    note->setWordWrap(true);
    body()->addWidget(note);
    body()->addSpacing(10);
    auto *confirm = kit::button(QStringLiteral("Button1"), QStringLiteral("Ingresar Datos"), this);
    body()->addWidget(confirm, 0, Qt::AlignHCenter);
    body()->addStretch(1);

    // Tab order: the place, then each row January to December.
    QList<QWidget *> order{station, deg, min, degL, minL, alt, hem};
    for (QLineEdit *e : pp)
        order << e;
    for (QLineEdit *e : t)
        order << e;
    order << confirm;
    for (int k = 1; k < order.size(); ++k)
        setTabOrder(order.at(k - 1), order.at(k));

    pp.last()->installEventFilter(this);
    t.last()->installEventFilter(this);
    hem->installEventFilter(this);
    onClick(confirm, &TFIngresoDatosGenericos::Button1Click);
}

bool TFIngresoDatosGenericos::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const QString name = watched->objectName();
        if (name == QLatin1String("EPP12"))
            guard([this] { EPP12Exit(); });
        else if (name == QLatin1String("ET12"))
            guard([this] { ET12Exit(); });
        else if (name == QLatin1String("EHemisferio"))
            guard([this] { EHemisferioExit(); });
    }
    return Screen::eventFilter(watched, event);
}

void TFIngresoDatosGenericos::EPP12Exit()
{
    for (int m = 1; m <= 12; ++m)
        m_pp[m - 1] = number(QStringLiteral("EPP"), m);
    double sum = 0;
    for (double v : m_pp)
        sum += v;
    m_ppTotal = sum;
    setText(QStringLiteral("EPPT"), floatToStr(m_ppTotal));
}

void TFIngresoDatosGenericos::ET12Exit()
{
    for (int m = 1; m <= 12; ++m) {
        if (text(QStringLiteral("ET"), m).isEmpty()) {
            // A mean of stale or initial values would be a wrong figure: show none.
            setText(QStringLiteral("ETT"), QString());
            return;
        }
    }
    for (int m = 1; m <= 12; ++m)
        m_t[m - 1] = number(QStringLiteral("ET"), m);
    double sum = 0;
    for (double v : m_t)
        sum += v;
    m_tMean = sum / 12;
    setText(QStringLiteral("ETT"), floatToStrF(m_tMean, 1));
}

void TFIngresoDatosGenericos::EHemisferioExit()
{
    if (m_checkingHemisphere || !isVisible())
        return;
    if (isValidHemisphere(text(QStringLiteral("EHemisferio"))))
        return;
    m_checkingHemisphere = true;
    dialogs().hemisphereError(this, msg::hemisphere);
    box(QStringLiteral("EHemisferio"))->setFocus(Qt::OtherFocusReason);
    m_checkingHemisphere = false;
}

void TFIngresoDatosGenericos::Button1Click()
{
    for (const QString &prefix : {QStringLiteral("EPP"), QStringLiteral("ET")})
        for (int m = 1; m <= 12; ++m)
            if (text(prefix, m).isEmpty()) {
                dialogs().atencion(this, kMissing);
                return;
            }

    // The numbers handed over are those of the boxes as they stand now, so that the location
    // always matches what the screen shows; a bad text stops here with nothing written.
    std::array<double, 12> pp{};
    std::array<double, 12> t{};
    for (int m = 1; m <= 12; ++m)
        pp[m - 1] = number(QStringLiteral("EPP"), m);
    for (int m = 1; m <= 12; ++m)
        t[m - 1] = number(QStringLiteral("ET"), m);
    double ppSum = 0;
    double tSum = 0;
    for (int k = 0; k < 12; ++k) {
        ppSum += pp[k];
        tSum += t[k];
    }
    m_pp = pp;
    m_t = t;
    m_ppTotal = ppSum;
    m_tMean = tSum / 12;
    setText(QStringLiteral("EPPT"), floatToStr(m_ppTotal));
    setText(QStringLiteral("ETT"), floatToStrF(m_tMean, 1));

    // The typed place becomes the whole location: only precipitation and temperature come
    // with it, the other series are empty.
    TDatosLocalidad place;
    place.EEstacion = text(QStringLiteral("EEstacion"));
    place.EGrados = text(QStringLiteral("EGrados"));
    place.EMinutos = text(QStringLiteral("EMinutos"));
    place.EGradosL = text(QStringLiteral("EGradosL"));
    place.EMinutosL = text(QStringLiteral("EMinutosL"));
    place.EAltitud = text(QStringLiteral("EAltitud"));
    place.EHemisferio = text(QStringLiteral("EHemisferio"));
    for (int m = 1; m <= 12; ++m)
        place.PP[m] = floatToStr(m_pp[m - 1]);
    place.EPPT = floatToStr(m_ppTotal);
    for (int m = 1; m <= 12; ++m)
        place.T[m] = floatToStr(m_t[m - 1]);
    place.ETT = floatToStrF(m_tMean, 1);
    if (m_onConfirmed)
        m_onConfirmed(place);

    host().showIndex();
    closeScreen();
}

} // namespace verdeval
