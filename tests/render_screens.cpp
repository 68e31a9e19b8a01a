// Renders every screen and report page of Verdeval to PNG files, after a station-like place
// has been filled in and each module has calculated, so that all screens can be looked at at
// once:   render_screens <output folder> [width height]
#include "TestApp.h"
#include "app/Unit1.h"
#include "output/ReportLayout.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>

using namespace verdeval;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    const int width = argc > 3 ? atoi(argv[2]) : 1366;
    const int height = argc > 3 ? atoi(argv[3]) : 768;
    QDir().mkpath(out);

    test::TestApp app;
    // A place to show: Azul, with every series a module needs, typed as the user would.
    TDatosLocalidad &loc = app->FIndice().DatosLocalidad();
    loc.EEstacion = QStringLiteral("Azul");
    loc.EGrados = QStringLiteral("36");
    loc.EMinutos = QStringLiteral("45");
    loc.EHemisferio = QStringLiteral("S");
    loc.EGradosL = QStringLiteral("59");
    loc.EMinutosL = QStringLiteral("50");
    loc.EAltitud = QStringLiteral("132");
    loc.PP.assign(QStringLiteral("140.9 95.3 132.3 65.3 62.8 32.9 38 43.7 66.1 113.3 105.3 103").split(' '));
    loc.T.assign(QStringLiteral("22 21.1 17.7 14 9.9 7.5 7.1 8.8 10.7 14.1 17.2 20.2").split(' '));
    app->FIndice().showLocation();

    int n = 0;
    for (Screen *s : app->screens()) {
        ++n;
        const QString file = QStringLiteral("%1/%2-%3.png").arg(out).arg(n, 2, 10, QLatin1Char('0')).arg(s->objectName());
        if (auto *report = qobject_cast<ReportLayout *>(s)) {
            const QString pdf = QStringLiteral("%1/%2-%3.pdf").arg(out).arg(n, 2, 10, QLatin1Char('0')).arg(s->objectName());
            report->renderToPdf(pdf);
            continue;
        }
        s->resize(width, height);
        s->setWindowState(Qt::WindowNoState);
        s->show();
        s->resize(width, height);
        QApplication::processEvents();
        s->grab().save(file);
        s->hide();
    }
    return 0;
}
