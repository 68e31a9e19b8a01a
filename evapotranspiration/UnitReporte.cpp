#include "evapotranspiration/UnitReporte.h"

#include "evapotranspiration/TablaETP.h"
#include "output/Chart.h"
#include "platform/Widgets.h"

#include <QVBoxLayout>

namespace verdeval {

TForm2::TForm2(ScreenHost &host) : ReportLayout(host, "TForm2", QStringLiteral("Evapotranspiración Potencial"))
{
}

void TForm2::buildReport()
{
    addHeadingBlock();
    addTitle(TablaETP::titulo);

    // The four result rows as on the screen; the row captions carry their own names here.
    kit::MonthTable *table = addMonthTable(QStringLiteral("Meses"), kit::monthsJanDec, QStringLiteral("Año"));
    const QList<QLabel *> captions = TablaETP::agregarFilas(*table, QStringLiteral(" "));
    const char *captionNames[] = {"QRTor", "QRLabel1", "QRLabel51", "QRLabel47"};
    for (int k = 0; k < captions.size(); ++k)
        captions.at(k)->setObjectName(QString::fromLatin1(captionNames[k]));
    pageLayout()->addSpacing(8);

    Chart *chart = m_chart = addChart(QStringLiteral("QRChart1"), 700);
    chart->setTitleColor(Qt::blue);
    chart->setLegend(Chart::Legend::Below);
    chart->bottomAxis().title = QStringLiteral("Meses del año");
    chart->bottomAxis().labels = ChartAxis::Labels::Text;
    chart->leftAxis().title = QStringLiteral("Milímetros/mes");
    chart->leftAxis().setMinimumFixed(0);
    const struct {
        const char *name;
        const char *title;
        QColor color;
        Qt::PenStyle pen;
    } series[] = {
        {"Series1", "ET(Thornthwaite)", Qt::red, Qt::DashLine},
        {"Series2", "ET(Turc)", kit::green, Qt::DotLine},
        {"Series3", "ET(Hargreaves)", QColor(255, 128, 0), Qt::DashDotLine},
        {"Series4", "ET(Penman-FAO)", Qt::blue, Qt::DashDotDotLine},
    };
    for (const auto &s : series) {
        ChartSeries *line = chart->addLine(QString::fromLatin1(s.name), QString::fromLatin1(s.title), s.color);
        line->setMarksVisible(false);
        line->setPen(2, s.pen);
    }
}

} // namespace verdeval
