#include "evapotranspiration/UnitEpotencial.h"

#include "evapotranspiration/UnitETPExpre.h"
#include "evapotranspiration/UnitInformacionNecesaria.h"
#include "evapotranspiration/UnitIngresoInformacion.h"
#include "platform/Widgets.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

namespace {

QLabel *section(const QString &text, QWidget *parent)
{
    QLabel *l = kit::caption(text, true, parent);
    QFont f = l->font();
    f.setPointSize(f.pointSize() + 3);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kit::maroon);
    l->setPalette(p);
    return l;
}

kit::ClickLabel *link(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new kit::ClickLabel(name, text, parent);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    l->setFont(f);
    l->setContentsMargins(40, 4, 0, 4);
    return l;
}

} // namespace

TFEPotencial::TFEPotencial(ScreenHost &host) : Screen(host, "TFEPotencial", QStringLiteral("Evapotranspiración potencial"))
{
}

void TFEPotencial::build()
{
    auto *top = new QHBoxLayout();
    auto *back = kit::button(QStringLiteral("BVolverIndice"), QStringLiteral("&Volver al Índice"), this);
    auto *cerrar = kit::button(QStringLiteral("BCerrar"), QStringLiteral("&Cerrar"), this);
    top->addWidget(back, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(cerrar, 0, Qt::AlignTop);
    body()->addLayout(top);

    auto *heading = kit::heading(QStringLiteral("Evapotranspiración potencial por diferentes métodos"), 20, this);
    heading->setToolTip(QStringLiteral("Estima la Evapotranspiración potencial (ET) por distintos métodos"));
    body()->addWidget(heading);
    body()->addSpacing(30);

    auto *data = link(QStringLiteral("Label2"), QStringLiteral("- Información necesaria para los cálculos."), this);
    auto *formulas = link(QStringLiteral("Label6"), QStringLiteral("- Expresiones de cálculo."), this);
    auto *entry = link(QStringLiteral("Label4"), QStringLiteral("- Ingreso de información, resultados y gráficos."), this);
    body()->addWidget(section(QStringLiteral("Aspectos generales:"), this));
    body()->addWidget(data);
    body()->addWidget(formulas);
    body()->addSpacing(24);
    body()->addWidget(section(QStringLiteral("Cálculo de la Evapotranspiración potencial mensual por diferentes métodos:"), this));
    body()->addWidget(entry);
    body()->addStretch(1);

    onClick(data, &TFEPotencial::Label2Click);
    onClick(formulas, &TFEPotencial::Label6Click);
    onClick(entry, &TFEPotencial::Label4Click);
    onClick(back, &TFEPotencial::BVolverIndiceClick);
    onClick(cerrar, &TFEPotencial::BCerrarClick);
}

void TFEPotencial::moveTo(Screen &target)
{
    target.present();
    closeScreen();
}

void TFEPotencial::Label2Click() { moveTo(peer<TFEtpInformacion>()); }
void TFEPotencial::Label6Click() { moveTo(peer<TFEtpExp>()); }
void TFEPotencial::Label4Click() { moveTo(peer<TFIngresoInformacion>()); }
void TFEPotencial::BVolverIndiceClick()
{
    host().showIndex();
    closeScreen();
}
void TFEPotencial::BCerrarClick() { closeScreen(); }

} // namespace verdeval
