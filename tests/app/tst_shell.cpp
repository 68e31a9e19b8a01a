#include "QtWarnings.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "app/UnitBarraProgreso.h"
#include "app/UnitInicial.h"
#include "platform/Screen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

// A screen that counts its activations.
class ProbeScreen : public Screen
{
public:
    explicit ProbeScreen(VerdevalApp &app) : Screen(app, "ProbeScreen") {}
    int activations = 0;
    struct Report : Printable {
        QString documentTitle() const override { return QStringLiteral("Probe"); }
        void printOn(QPrinter *) override {}
    } report;

protected:
    void OnActivate() override { ++activations; }
};

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void screensCreatedInOrder();
    void startShowsOnlyTheSplash();
    void locationEmptyAtStart();
    void activation();
    void dataSource_data();
    void dataSource();
    void sourceChoiceKeepsSeries();
    void driveWithoutDatabase();
    void waitingWindow();
};

void TestShell::screensCreatedInOrder()
{
    TestApp app;
    const QStringList expected{
        "TFInicial", "TFIndice", "TFEtpInformacion", "TFIngresoInformacion", "TGraficoETP", "TForm2",
        "TFEPotencial", "TFIngresoInformacionRadiacion", "TFBHC", "TFHeFo", "TFBHCGraf",
        "TFIngresoDatosGenericos", "TForm3", "TForm4", "TForm5", "TFHF", "TFST", "TForm6",
        "TFClimatograma", "TForm7", "TFEtpExp", "TForm8", "TForm9"};
    QStringList names;
    for (Screen *s : app->screens())
        names << s->objectName();
    QCOMPARE(names, expected);

    const QList<QPair<QString, QString>> titles{
        {"TFIndice", "Índice"},
        {"TFEtpInformacion", "Información necesaria para los cálculos"},
        {"TFIngresoInformacion", "Ingreso de información para el cálculo de la ETP"},
        {"TGraficoETP", "Resultados con gráfico"},
        {"TFEPotencial", "Evapotranspiración potencial"},
        {"TFIngresoInformacionRadiacion", "Ingreso de información para el cálculo de la Radiación astronómica y global"},
        {"TFBHC", "Ingreso de información para el cálculo del Balance hidrológico climático"},
        {"TFHeFo", "Heliofanía astronómica y fotoperíodo"},
        {"TFBHCGraf", "Balance hidrológico climático. Gráficos"},
        {"TFIngresoDatosGenericos", "Ingreso de datos genéricos de una localidad"},
        {"TFHF", "Cálculo de Horas de frío"},
        {"TFST", "Suma de temperatura"},
        {"TFClimatograma", "Climatograma"},
        {"TFEtpExp", "Evapotranspiración potencial. Expresiones de cálculo"},
        {"TForm9", "Espere ..."}};
    for (const auto &t : titles)
        QCOMPARE(app->screen(t.first)->windowTitle(), t.second);

    // A second application beside the first builds a fresh set of its own.
    TestApp other;
    QVERIFY(&other->FIndice() != &app->FIndice());
}

void TestShell::startShowsOnlyTheSplash()
{
    TestApp app;
    QCOMPARE(visibleScreens(*app), QStringList());
    app->start();
    QCOMPARE(visibleScreens(*app), QStringList{"TFInicial"});
    QVERIFY(app->FInicial().windowFlags() & Qt::FramelessWindowHint);
    // The other screens exist but lay themselves out only when first needed.
    QVERIFY(!app->screen("TFIngresoInformacion")->isBuilt());
    QVERIFY(app->screen("TFIngresoInformacion")->control("ETMMe12"));
    QVERIFY(click(app->FInicial(), "Entrar"));
    QCOMPARE(visibleScreens(*app), (QStringList{"TFInicial", "TFIndice"}));
    QVERIFY(click(app->FInicial(), "Salir"));
    QVERIFY(app->isTerminated());
    QCOMPARE(visibleScreens(*app), QStringList());
}

void TestShell::locationEmptyAtStart()
{
    TestApp app;
    TFIndice &index = app->FIndice();
    for (const char *name : {"EEstacion", "EGrados", "EMinutos", "EHemisferio", "EGradosL", "EMinutosL", "EAltitud"}) {
        QCOMPARE(index.text(QString::fromLatin1(name)), QString());
        QVERIFY(index.box(QString::fromLatin1(name))->isReadOnly());
    }
    const TDatosLocalidad &loc = index.DatosLocalidad();
    QVERIFY(loc.EPPT.isEmpty() && loc.ETT.isEmpty());
    QCOMPARE(loc.PP.list().join(QString()), QString());
    QCOMPARE(loc.VV.list().join(QString()), QString());
    for (const char *list : {"ComboBox2", "combobox1", "CBProv", "cbloc", "Label9"})
        QVERIFY(!index.control(QString::fromLatin1(list))->isVisibleTo(&index));
    QVERIFY(index.control("ComboBox3")->isVisibleTo(&index));
    auto *source = qobject_cast<QComboBox *>(index.control("ComboBox3"));
    QStringList items;
    for (int k = 0; k < source->count(); ++k)
        items << source->itemText(k);
    QCOMPARE(items, (QStringList{"CD", "C", "D", "E", "F", "G"}));
    QCOMPARE(source->currentText(), QString());
}

void TestShell::activation()
{
    TestApp app;
    ProbeScreen probe(*app);
    probe.present();
    QCOMPARE(probe.activations, 1);

    // Windows of the program that the screen opened give the activation back when they close.
    app->dialogs().hemisphereError(&probe, "x");
    QCOMPARE(probe.activations, 2);
    app->dialogs().preview(&probe, probe.report);
    QCOMPARE(probe.activations, 3);
    // The plain message boxes leave the screen active: no new activation.
    app->dialogs().standardError(&probe, "x");
    app->dialogs().atencion(&probe, "x");
    QCOMPARE(probe.activations, 3);
    // Shown again while visible: activated again; hidden and shown: activated again.
    probe.present();
    QCOMPARE(probe.activations, 4);
    probe.closeScreen();
    probe.present();
    QCOMPARE(probe.activations, 5);
    // A second preview while one is open does nothing.
    int previews = 0;
    app.dialogs->onPreview = [&](Printable &) {
        ++previews;
        app->dialogs().preview(&probe, probe.report);
    };
    app->dialogs().preview(&probe, probe.report);
    QCOMPARE(previews, 1);
    QCOMPARE(probe.activations, 6);
    // A hidden screen is not activated by a dialog closing.
    probe.closeScreen();
    app->dialogs().hemisphereError(&probe, "x");
    QCOMPARE(probe.activations, 6);
}

void TestShell::dataSource_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("visibleLists");
    QTest::newRow("CD") << "CD" << "ComboBox2 combobox1 Label9";
    QTest::newRow("typed text") << "X" << "";
    QTest::newRow("lower case cd") << "cd" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("drive without database") << "E" << "";
}

void TestShell::dataSource()
{
    QFETCH(QString, source);
    QFETCH(QString, visibleLists);
    TestApp app;
    TFIndice &index = app->FIndice();
    index.present();
    QVERIFY(type(index, "ComboBox3", "CD"));
    QVERIFY(type(index, "ComboBox3", source));
    QStringList shown;
    for (const char *list : {"ComboBox2", "combobox1", "CBProv", "cbloc", "Label9"})
        if (index.control(QString::fromLatin1(list))->isVisible())
            shown << QString::fromLatin1(list);
    QCOMPARE(shown.join(' '), visibleLists);
}

void TestShell::sourceChoiceKeepsSeries()
{
    TestApp app;
    TFIndice &index = app->FIndice();
    TDatosLocalidad &loc = index.DatosLocalidad();
    setPlace(loc, "Azul|36|45|S|59|50|132");
    loc.EPPT = "999";
    loc.ETT = "15.0";
    loc.PP.assign(QString("1 2 3 4 5 6 7 8 9 10 11 12").split(' '));
    loc.TMa.assign(QString("a b c d e f g h i j k l").split(' '));
    index.showLocation();
    QVERIFY(type(index, "combobox1", "Az"));
    QVERIFY(type(index, "ComboBox3", "CD"));
    for (const char *name : {"EEstacion", "EGrados", "EMinutos", "EHemisferio", "EGradosL", "EMinutosL", "EAltitud"})
        QCOMPARE(index.text(QString::fromLatin1(name)), QString());
    QVERIFY(loc.EEstacion.isEmpty() && loc.EAltitud.isEmpty() && loc.EPPT.isEmpty() && loc.ETT.isEmpty());
    QCOMPARE(loc.PP.list().join(' '), QString("1 2 3 4 5 6 7 8 9 10 11 12"));
    QCOMPARE(loc.TMa.list().join(' '), QString("a b c d e f g h i j k l"));
    QCOMPARE(index.text("combobox1"), QString());
}

void TestShell::driveWithoutDatabase()
{
    TestApp app;
    TFIndice &index = app->FIndice();
    index.present();
    QVERIFY(type(index, "ComboBox3", "G"));
    QCOMPARE(app.dialogs->shown.size(), 1);
    const ShownDialog &d = app.dialogs->last();
    QCOMPARE(d.caption, QString("Verdeval"));
    QVERIFY(d.errorIcon);
    QCOMPARE(d.buttons, QStringList{"OK"});
    QVERIFY2(d.text.contains("Quenora.mdb") && d.text.endsWith('.'), qPrintable(d.text));
    QVERIFY(!index.control("CBProv")->isVisible());
}

void TestShell::waitingWindow()
{
    TestApp app;
    TForm9 &wait = app->Form9();
    QCOMPARE(wait.windowTitle(), QString("Espere ..."));
    QCOMPARE(wait.text("Label1"), QString("Espere ..."));
    wait.present();
    QVERIFY(!wait.isModal());
    QVERIFY(!(wait.windowFlags() & Qt::WindowCloseButtonHint));
    wait.StepIt();
    wait.StepIt();
    QCOMPARE(wait.ProgressBar1()->value(), 20);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
