#include "thermal/UnitReporteHFrio.h"

#include "platform/Widgets.h"
#include "thermal/calc/HorasFrio.h"

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
    const int where[][2] = {{0, 0}, {0, 3}, {1, 0}};
    for (int k = 0; k < HorasFrio::cifras.size(); ++k) {
        const HorasFrio::Cifra &c = HorasFrio::cifras.at(k);
        kit::addCaptionedCell(figures, where[k][0], where[k][1], c.titulo, c.celda, page(), 0, kTitleWidth);
    }
    figures->setColumnMinimumWidth(2, 24);
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(4, 1);
    pageLayout()->addLayout(figures);
}

} // namespace verdeval
