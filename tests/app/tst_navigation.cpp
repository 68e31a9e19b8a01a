#include "QtWarnings.h"
#include "TestApp.h"
#include "app/UnitInicial.h"
#include "platform/Screen.h"

#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

// Every way of moving between screens: the screens shown before, the control clicked, and the
// screens visible afterwards (the splash is always beneath until the program ends).
class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void navigate_data();
    void navigate();
    void indexKeepsLocationAcrossClose();
};

void TestNavigation::navigate_data()
{
    QTest::addColumn<QString>("before");  // screens presented in order, after the splash
    QTest::addColumn<QString>("control"); // Screen.Control
    QTest::addColumn<QString>("after");   // visible afterwards; "ended" when the program ended

    QTest::newRow("splash Entrar") << "" << "TFInicial.Entrar" << "TFInicial TFIndice";
    QTest::newRow("splash Salir") << "" << "TFInicial.Salir" << "ended";
    QTest::newRow("index Cerrar") << "TFIndice" << "TFIndice.BCerrar" << "TFInicial";

    const char *modules[] = {"TFIngresoInformacion", "TFIngresoInformacionRadiacion", "TFBHC", "TFHeFo",
                             "TFHF", "TFST", "TFClimatograma"};
    for (const char *m : modules) {
        const QString s = QString::fromLatin1(m);
        QTest::newRow(qPrintable(s + " Volver al Índice")) << s << s + ".BVolverAlIndice" << "TFInicial TFIndice";
        QTest::newRow(qPrintable(s + " Salir del Programa")) << s << s + ".BCerrar" << "ended";
    }

    QTest::newRow("sub-menu Volver al Índice") << "TFEPotencial" << "TFEPotencial.BVolverIndice" << "TFInicial TFIndice";
    QTest::newRow("sub-menu Cerrar") << "TFEPotencial" << "TFEPotencial.BCerrar" << "TFInicial";
    QTest::newRow("sub-menu data") << "TFEPotencial" << "TFEPotencial.Label2" << "TFInicial TFEtpInformacion";
    QTest::newRow("sub-menu entry") << "TFEPotencial" << "TFEPotencial.Label4" << "TFInicial TFIngresoInformacion";
    QTest::newRow("sub-menu formulas") << "TFEPotencial" << "TFEPotencial.Label6" << "TFInicial TFEtpExp";
    QTest::newRow("data screen back") << "TFEtpInformacion" << "TFEtpInformacion.BVolverIndice" << "TFInicial TFEPotencial";
    QTest::newRow("data screen entry") << "TFEtpInformacion" << "TFEtpInformacion.BIngresoDatos" << "TFInicial TFIngresoInformacion";
    QTest::newRow("formulas back") << "TFEtpExp" << "TFEtpExp.BVolverIndice" << "TFInicial TFEPotencial";
    QTest::newRow("formulas entry") << "TFEtpExp" << "TFEtpExp.BCerrar" << "TFInicial TFIngresoInformacion";
    QTest::newRow("entry Mostrar Gráfico") << "TFIngresoInformacion" << "TFIngresoInformacion.BMostrarG" << "TFInicial TGraficoETP";
    QTest::newRow("results back to entry") << "TGraficoETP" << "TGraficoETP.BVolverACalcular" << "TFInicial TFIngresoInformacion";
    QTest::newRow("results Volver al Índice") << "TGraficoETP" << "TGraficoETP.BVolverIndice" << "TFInicial TFIndice";
    QTest::newRow("results Cerrar") << "TGraficoETP" << "TGraficoETP.BCerrar" << "TFInicial";
    QTest::newRow("water charts Volver") << "TFBHCGraf" << "TFBHCGraf.BVolver" << "TFInicial TFBHC";
    QTest::newRow("water charts Salir") << "TFBHCGraf" << "TFBHCGraf.BSalir" << "ended";
    QTest::newRow("water balance to charts") << "TFBHC" << "TFBHC.BGraficos" << "TFInicial TFBHCGraf";
}

void TestNavigation::navigate()
{
    QFETCH(QString, before);
    QFETCH(QString, control);
    QFETCH(QString, after);
    TestApp app;
    app->start();
    for (const QString &name : before.split(' ', Qt::SkipEmptyParts))
        app->screen(name)->present();
    Screen *screen = app->screen(control.section('.', 0, 0));
    QVERIFY(screen);
    QVERIFY(click(*screen, control.section('.', 1)));
    if (after == "ended") {
        QVERIFY(app->isTerminated());
        QCOMPARE(visibleScreens(*app), QStringList());
    } else {
        QVERIFY(!app->isTerminated());
        QCOMPARE(visibleScreens(*app).join(' '), after);
    }
}

void TestNavigation::indexKeepsLocationAcrossClose()
{
    TestApp app;
    app->start();
    QVERIFY(click(app->FInicial(), "Entrar"));
    Screen &index = *app->screen("TFIndice");
    QVERIFY(type(index, "ComboBox3", "CD"));
    index.setText("EEstacion", "Azul");
    QVERIFY(click(index, "BCerrar"));
    QCOMPARE(visibleScreens(*app), QStringList{"TFInicial"});
    QVERIFY(click(app->FInicial(), "Entrar"));
    QCOMPARE(index.text("EEstacion"), QString("Azul"));
    QCOMPARE(index.text("ComboBox3"), QString("CD"));
    QVERIFY(index.control("ComboBox2")->isVisible());
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
