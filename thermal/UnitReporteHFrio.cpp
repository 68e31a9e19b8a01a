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
    kit::addCaptionedCell(figures, 0, 0, QStringLiteral("Horas de Frío Totales"), QStringLiteral("EHFT"), page(), 0, kTitleWidth);
    kit::addCaptionedCell(figures, 0, 3, QStringLiteral("Horas de Frío Corregidas"), QStringLiteral("EHFC"), page(), 0,
                          kTitleWidth);
    kit::addCaptionedCell(figures, 1, 0, QStringLiteral("Horas de Frío Efectivas"), QStringLiteral("EHFE"), page(), 0,
                          kTitleWidth);
    figures->setColumnMinimumWidth(2, 24);
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(4, 1);
    pageLayout()->addLayout(figures);
}

} // namespace verdeval
