#include "thermal/UnitReporteHFrio.h"

#include "platform/Widgets.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace verdeval {

TForm8::TForm8(ScreenHost &host) : ReportLayout(host, "TForm8", QStringLiteral("Horas de Frío"))
{
}

void TForm8::buildReport()
{
    addHeadingBlock();
    addTitle(QStringLiteral("Horas de Frío"));

    kit::MonthTable *table = addMonthTable(QStringLiteral("Meses"), kit::monthsJanDec, QString(), 170);
    table->addCellRow(QStringLiteral("Temperatura Mínima Media"), QStringLiteral("ERG"));
    pageLayout()->addSpacing(12);

    // Totals and corrected hours on one line, the effective hours below.
    auto *figures = new QGridLayout();
    figures->setHorizontalSpacing(6);
    figures->setVerticalSpacing(6);
    auto addFigure = [this, figures](int row, int column, const QString &caption, const QString &name) {
        figures->addWidget(kit::rowTitle(caption, page()), row, column);
        QLabel *value = kit::cell(name, page());
        value->setMinimumWidth(90);
        figures->addWidget(value, row, column + 1);
    };
    addFigure(0, 0, QStringLiteral("Horas de Frío Totales"), QStringLiteral("EHFT"));
    addFigure(0, 3, QStringLiteral("Horas de Frío Corregidas"), QStringLiteral("EHFC"));
    addFigure(1, 0, QStringLiteral("Horas de Frío Efectivas"), QStringLiteral("EHFE"));
    figures->setColumnMinimumWidth(2, 30);
    figures->setColumnStretch(5, 1);
    pageLayout()->addLayout(figures);
}

} // namespace verdeval
