#include "evapotranspiration/UnitETPExpre.h"

#include "evapotranspiration/UnitEpotencial.h"
#include "evapotranspiration/UnitIngresoInformacion.h"
#include "platform/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace verdeval {

namespace {

// A maroon header bar with white bold text.
QLabel *bar(const QString &text, QWidget *parent)
{
    QLabel *l = kit::caption(text, true, parent);
    l->setMinimumHeight(26);
    l->setContentsMargins(6, 0, 6, 0);
    kit::paint(l, kit::maroon, Qt::white);
    return l;
}

// Formulas and symbols are rich text: Greek letters, raised and lowered letters.
QLabel *richText(const QString &html, bool bold, int pointDelta, QWidget *parent)
{
    auto *l = new QLabel(html, parent);
    l->setTextFormat(Qt::RichText);
    QFont f = l->font();
    f.setBold(bold);
    f.setPointSize(f.pointSize() + pointDelta);
    l->setFont(f);
    l->setWordWrap(true);
    return l;
}

const struct {
    const char *method;
    const char *formula;
} kFormulas[] = {
    {"Thornthwaite", "ETP = 16 × (10 × tm / I )ª"},
    {"Turc", "ETP = fi × [tm/(tm+15)] × [Rgi+50] × ci"},
    {"Hargreaves", "ETP = 0,0023 × Ra × (tmax-tmin)^0,5 × (tm+17,8) "},
    {"Penman/FAO", "ETP = Δ/(Δ+γ*) × (1/λ<sub>v</sub> × {Rn-G}) + γ/(Δ+γ*) × "
                   "(900 × U<sub>2</sub>/{tm+273}) × (es-ea)"},
};

const struct {
    const char *symbol;
    const char *meaning;
} kGlossary[] = {
    {"tm", "Temperatura media mensual (°C)"},
    {"tmax", "Temperatura máxima media (°C)"},
    {"tmin", "Temperatura mínima media (°C)"},
    {"I", "Índice calórico anual"},
    {"a", "Coeficiente que depende de \"I\""},
    {"fi", "Factor de corrección mensual"},
    {"Rgi", "Radiación global estimada (cal × cm-2 × día-1)"},
    {"ci", "Factor de corrección para zonas áridas"},
    {"Ra", "Radiación astronómica (mm/día)"},
    {"Δ", "Pendiente de la curva de tensión de vapor kPa/°C"},
    {"γ*", "Constante psicrométrica modificada en kPa/°C"},
    {"λ<sub>v</sub>", "Calor de vaporización MJ/kg"},
    {"Rn", "Radiación neta en MJ/m2× día-1"},
    {"G", "Flujo de calor en el suelo MJ/m2× día-1"},
    {"U<sub>2</sub>", "Velocidad del viento a 2 mts en m/s"},
    {"es-ea", "Déficit de presión de vapor en kPa"},
};

} // namespace

TFEtpExp::TFEtpExp(ScreenHost &host)
    : Screen(host, "TFEtpExp", QStringLiteral("Evapotranspiración potencial. Expresiones de cálculo"))
{
}

void TFEtpExp::build()
{
    auto *top = new QHBoxLayout();
    auto *back = kit::button(QStringLiteral("BVolverIndice"), QStringLiteral("Volver al Índice Evapotranspiración"), this);
    auto *entry = kit::button(QStringLiteral("BCerrar"), QStringLiteral("Ir a Ingreso de Datos"), this);
    top->addWidget(back, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(entry, 0, Qt::AlignTop);
    body()->addLayout(top);

    auto *heading = kit::heading(QStringLiteral("Evapotranspiración potencial  Expresiones de cálculo"), 18, this);
    heading->setToolTip(QStringLiteral("Estima la Evapotranspiración potencial (ET) por distintos métodos"));
    body()->addWidget(heading);
    body()->addSpacing(8);

    // Method names at the left, their formulas at the right.
    auto *formulas = new QGridLayout();
    formulas->setHorizontalSpacing(4);
    formulas->setVerticalSpacing(8);
    formulas->addWidget(bar(QStringLiteral("Metodologías"), this), 0, 0);
    formulas->addWidget(bar(QStringLiteral("Fórmulas"), this), 0, 1);
    formulas->setColumnStretch(0, 1);
    formulas->setColumnStretch(1, 5);
    int row = 1;
    for (const auto &f : kFormulas) {
        QLabel *method = richText(QString::fromUtf8(f.method), true, 2, this);
        method->setContentsMargins(6, 0, 0, 0);
        formulas->addWidget(method, row, 0);
        formulas->addWidget(richText(QString::fromUtf8(f.formula), false, 2, this), row, 1);
        ++row;
    }
    body()->addLayout(formulas);
    body()->addSpacing(12);

    // The glossary in two column pairs: symbol in bold, then its meaning.
    body()->addWidget(bar(QStringLiteral(" Donde:"), this));
    auto *glossary = new QGridLayout();
    glossary->setHorizontalSpacing(12);
    glossary->setVerticalSpacing(4);
    const int perColumn = int(std::size(kGlossary) + 1) / 2;
    int k = 0;
    for (const auto &g : kGlossary) {
        const int r = k % perColumn;
        const int c = (k / perColumn) * 2;
        QLabel *symbol = richText(QString::fromUtf8(g.symbol), true, 1, this);
        symbol->setWordWrap(false);
        symbol->setContentsMargins(6, 0, 0, 0);
        glossary->addWidget(symbol, r, c);
        glossary->addWidget(kit::caption(QString::fromUtf8(g.meaning), false, this), r, c + 1);
        ++k;
    }
    glossary->setColumnStretch(1, 1);
    glossary->setColumnStretch(3, 1);
    body()->addLayout(glossary);
    body()->addStretch(1);

    onClick(back, &TFEtpExp::BVolverIndiceClick);
    onClick(entry, &TFEtpExp::BCerrarClick);
}

void TFEtpExp::BVolverIndiceClick()
{
    peer<TFEPotencial>().present();
    closeScreen();
}

void TFEtpExp::BCerrarClick()
{
    peer<TFIngresoInformacion>().present();
    closeScreen();
}

} // namespace verdeval
