// Renders every screen of Verdeval to PNG and every report page to PDF, the way a user gets
// to them: a locality is loaded from the sample climate database, each module is opened from
// the index, calculated and printed, and the remaining screens are shown in turn.
//   render_screens <output folder> [width height]
#include "TestApp.h"
#include "app/Unit1.h"
#include "app/UnitInicial.h"
#include "location/DriveMap.h"
#include "output/ReportLayout.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

using namespace verdeval;

namespace {

struct Renderer {
    const VerdevalApp &app;
    QString out;
    int width;
    int height;
    QSet<QString> done;

    QString file(const Screen &s, const char *suffix) const
    {
        return QStringLiteral("%1/%2-%3.%4").arg(out).arg(index(s), 2, 10, QLatin1Char('0'))
            .arg(s.objectName(), QString::fromLatin1(suffix));
    }
    int index(const Screen &s) const
    {
        const auto &all = app.screens();
        return int(std::find(all.begin(), all.end(), &s) - all.begin()) + 1;
    }
    void grab(Screen &s)
    {
        s.setWindowState(Qt::WindowNoState);
        s.resize(width, height);
        QApplication::processEvents();
        s.grab().save(file(s, "png"));
        done.insert(s.objectName());
    }
    void report(Printable &p)
    {
        if (auto *r = dynamic_cast<ReportLayout *>(&p)) {
            r->renderToPdf(file(*r, "pdf"));
            done.insert(r->objectName());
        }
    }
};

void click(Screen &s, const char *name)
{
    if (s.control(QString::fromLatin1(name)))
        (void)verdeval::test::click(s, QString::fromLatin1(name));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    test::TestApp app;
    Renderer r{*app, argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens"),
               argc > 3 ? atoi(argv[2]) : 1366, argc > 3 ? atoi(argv[3]) : 768, {}};
    QDir().mkpath(r.out);

    app.dialogs->onPreview = [&](Printable &p) { r.report(p); };
    app.dialogs->onModal = [&](Screen &s) { r.grab(s); };
    app->start();
    r.grab(app->FInicial());

    // A locality with all eight series, from the sample database built next to this tool.
    TFIndice &index = app->FIndice();
    const QString sample = QFileInfo(QCoreApplication::applicationDirPath() + "/../sample-db").absoluteFilePath();
    index.setDriveMap(DriveMap::mountFolders(sample, sample));
    index.present();
    (void)test::type(index, "ComboBox3", "C");
    (void)test::type(index, "CBProv", "Buenos Aires");
    (void)test::type(index, "cbloc", "Azul");
    r.grab(index);

    struct Module {
        const char *label;
        const char *screen;
    };
    const Module modules[] = {{"Label1", "TFIngresoInformacionRadiacion"}, {"Label6", "TFHeFo"},
                              {"Label2", "TFIngresoInformacion"},          {"Label3", "TFBHC"},
                              {"Label4", "TFHF"},                          {"Label5", "TFST"},
                              {"Label16", "TFClimatograma"}};
    for (const Module &m : modules) {
        index.present();
        // Evapotranspiration reaches all four methods with a locality that has every series.
        const bool etp = QLatin1String(m.screen) == QLatin1String("TFIngresoInformacion");
        if (etp)
            (void)test::type(index, "cbloc", "Bahía Blanca");
        (void)test::click(index, QString::fromLatin1(m.label));
        Screen &s = *app->screen(QString::fromLatin1(m.screen));
        if (s.objectName() == "TFHeFo")
            s.setText("EHE", "12");
        if (s.objectName() == "TFIngresoInformacion") {
            r.grab(*app->screen("TFEPotencial"));
            s.present();
            s.setText("EAA", "10");
            s.setText("EA", "23");
        }
        click(s, "BCalcular");
        r.grab(s);
        click(s, "BImprimir");
        click(s, "BImprimirInforme");
        if (s.objectName() == "TFIngresoInformacion") {
            click(s, "BMostrarG");
            Screen &results = *app->screen("TGraficoETP");
            r.grab(results);
            click(results, "Button1");
            click(results, "BVolverACalcular");
            (void)test::type(index, "cbloc", "Azul");
        }
        if (s.objectName() == "TFBHC") {
            click(s, "BGraficos");
            Screen &charts = *app->screen("TFBHCGraf");
            r.grab(charts);
            click(charts, "BVolver");
            click(s, "BCalcular");
        }
        s.closeScreen();
    }

    // Whatever was not reached that way, as it stands.
    for (Screen *s : app->screens()) {
        if (r.done.contains(s->objectName()))
            continue;
        if (auto *report = qobject_cast<ReportLayout *>(s)) {
            r.report(*report);
            continue;
        }
        s->present();
        r.grab(*s);
        s->hide();
    }
    return 0;
}
