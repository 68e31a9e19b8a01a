#include "BenchSupport.h"

#include "output/Chart.h"
#include "output/ReportLayout.h"
#include "platform/Screen.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace verdeval::bench {

QString SilentDialogs::messageBox(QWidget *, Icon, const QString &, const QString &, const QStringList &buttons)
{
    return buttons.value(0);
}

void SilentDialogs::preview(QWidget *, Printable &report)
{
    if (m_pdf.isEmpty())
        return;
    if (auto *layout = dynamic_cast<ReportLayout *>(&report))
        layout->renderToPdf(m_pdf);
}

void SilentDialogs::showModal(QWidget *, Screen &screen) { screen.present(); }

double medianMs(int runs, const std::function<void()> &action, const std::function<void()> &between)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int k = 0; k < runs; ++k) {
        timer.start();
        action();
        ms.push_back(timer.nsecsElapsed() / 1e6);
        if (between)
            between();
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void click(Screen &screen, const char *name)
{
    static_cast<QAbstractButton *>(screen.control(QString::fromLatin1(name)))->click();
}

void paintChart(Chart &chart)
{
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(chart.size())));
}

void report(const char *what, double value, double goal, const char *unit)
{
    std::printf("%-64s %9.3f %s   (goal < %g %s) %s\n", what, value, unit, goal, unit, value < goal ? "ok" : "OVER");
}

} // namespace verdeval::bench
