#include "thermal/UnitReporteHFrio.h"

#include "platform/Widgets.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace verdeval {

namespace {
// The width of the row captions, shared by the table of minima and the figures below it.
constexpr int kTitleWidth = 170;
} // namespace

TForm8::TForm8(ScreenHost &host) : ReportLayout(host, "TForm8", QStringLiteral("Horas de Frío"))
{
}

void TForm8::buildReport()
{
    addHeadingBlock();
    addTitle(QStringLiteral("Horas de Frío"));

    kit::MonthTable *table = addMonthTable(QStringLiteral("Meses"), kit::monthsJanDec, QString(), kTitleWidth);
    table->addCellRow(QStringLiteral("Temperatura Mínima Media"), QStringLiteral("ERG"));
    pageLayout()->addSpacing(10);

    // Totals and corrected hours on one line across the page, the effective hours below.
    auto *figures = new QGridLayout();
    figures->setHorizontalSpacing(3);
    figures->setVerticalSpacing(4);
    auto addFigure = [this, figures](int row, int column, const QString &caption, const QString &name) {
        QLabel *title = kit::rowTitle(caption, page());
        title->setMinimumWidth(kTitleWidth);
        figures->addWidget(title, row, column);
        figures->addWidget(kit::cell(name, page()), row, column + 1);
    };
    addFigure(0, 0, QStringLiteral("Horas de Frío Totales"), QStringLiteral("EHFT"));
    addFigure(0, 3, QStringLiteral("Horas de Frío Corregidas"), QStringLiteral("EHFC"));
    addFigure(1, 0, QStringLiteral("Horas de Frío Efectivas"), QStringLiteral("EHFE"));
    figures->setColumnMinimumWidth(2, 24);
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(4, 1);
    pageLayout()->addLayout(figures);
}

} // namespace verdeval
